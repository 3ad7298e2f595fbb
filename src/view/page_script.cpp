#include "view/page_views.h"

namespace manifit {

// The script reads window.MANIFIT_DATA (see pagePayload). It must not hold the
// text "]]>" nor an end tag of a script, and needs nothing outside the page.
const char* pageScript() {
  return R"JS(
(function () {
  'use strict';
  var D = window.MANIFIT_DATA;
  if (!D) return;
  var root = document.documentElement;
  root.classList.add('js');
  var P = D.points, n = P.count;
  if (P.large) root.classList.add('large');

  function decode(text, Type) {
    var bin = atob(text), bytes = new Uint8Array(bin.length);
    for (var i = 0; i < bin.length; i++) bytes[i] = bin.charCodeAt(i);
    return new Type(bytes.buffer);
  }
  var score = decode(P.score.data, Uint16Array), place = decode(P.map.data, Uint16Array);
  var nearest = decode(P.nearest, Uint32Array);
  var cls = P.cls ? decode(P.cls, Uint16Array) : null;
  var val = P.value ? decode(P.value, Uint16Array) : null;
  function deq(q, lo, hi) { var t = q / 65535; return lo * (1 - t) + hi * t; }

  function hexRgb(h) { return [parseInt(h.substr(1, 2), 16), parseInt(h.substr(3, 2), 16), parseInt(h.substr(5, 2), 16)]; }
  var anchors = D.sequence.map(hexRgb);
  function seqColour(t) {
    t = Math.min(Math.max(t, 0), 1) * 8;
    var i = Math.min(Math.floor(t), 7), f = t - i, c = [];
    for (var k = 0; k < 3; k++) c.push(Math.round(anchors[i][k] + (anchors[i + 1][k] - anchors[i][k]) * f));
    return 'rgb(' + c.join(',') + ')';
  }
  function pointColour(p) {
    if (cls) return D.palette[cls[p] % D.palette.length];
    if (val) return seqColour(val[p] / 65535);
    return D.palette[0];
  }
  function fmt(v) {
    if (v === null || v === undefined) return 'none';
    var t = Number(v).toPrecision(4);
    if (t.indexOf('e') < 0 && t.indexOf('.') >= 0) t = t.replace(/0+$/, '').replace(/\.$/, '');
    return t === '-0' ? '0' : t;
  }

  // Per node, the points whose nearest node it is.
  var start = new Uint32Array(D.nodes + 1), order = new Uint32Array(n);
  for (var p = 0; p < n; p++) start[nearest[p] + 1]++;
  for (var j = 0; j < D.nodes; j++) start[j + 1] += start[j];
  var fill = start.slice(0, D.nodes);
  for (p = 0; p < n; p++) order[fill[nearest[p]]++] = p;

  var hidden = {};
  function visible(p) { return !cls || !hidden[cls[p]]; }

  // Per point, its colour as packed RGB.
  function rgbOf(text) {
    if (text.charAt(0) === '#') return parseInt(text.substr(1), 16);
    var c = text.match(/\d+/g);
    return (+c[0] << 16) | (+c[1] << 8) | +c[2];
  }
  var paletteRgb = D.palette.map(rgbOf), colourRgb = new Uint32Array(n);
  var valueRgb = [];
  if (val) for (var q = 0; q < 256; q++) valueRgb.push(rgbOf(seqColour(q / 255)));
  for (p = 0; p < n; p++) {
    colourRgb[p] = cls ? paletteRgb[cls[p] % paletteRgb.length] : val ? valueRgb[val[p] >> 8] : paletteRgb[0];
  }

  // One canvas pair per view: the points (large tables) and the highlights.
  var views = [];
  function addView(id, box, data, stride, a, b, lo, hi) {
    var svg = document.getElementById(id);
    if (!svg) return;
    var wrap = document.createElement('div');
    wrap.className = 'canvas-wrap';
    svg.parentNode.insertBefore(wrap, svg);
    wrap.appendChild(svg);
    var w = +svg.getAttribute('width'), h = +svg.getAttribute('height');
    function canvas(name) {
      var c = document.createElement('canvas');
      c.width = w; c.height = h; c.className = name;
      wrap.appendChild(c);
      return c.getContext('2d');
    }
    var v = { svg: svg, base: P.large ? canvas('points-canvas') : null, over: canvas('highlight-canvas'),
              x: new Float32Array(n), y: new Float32Array(n) };
    // pixel = left + (value − xMin)/(xMax − xMin)·width, the value dequantized from 16 bits.
    var xs = (hi[a] - lo[a]) / 65535 / (box[5] - box[4]) * box[2], x0 = box[0] + (lo[a] - box[4]) / (box[5] - box[4]) * box[2];
    var ys = (hi[b] - lo[b]) / 65535 / (box[7] - box[6]) * box[3], y0 = box[1] + (box[7] - lo[b]) / (box[7] - box[6]) * box[3];
    for (var p = 0; p < n; p++) {
      v.x[p] = x0 + data[stride * p + a] * xs;
      v.y[p] = y0 - data[stride * p + b] * ys;
    }
    views.push(v);
  }
  D.frames.data.forEach(function (f) {
    addView('view-data-' + f.pair, f.box, score, 3, +f.pair[0] - 1, +f.pair[1] - 1, P.score.lo, P.score.hi);
  });
  var M = P.map;
  function mapPlace(p) { return [deq(place[2 * p], M.lo[0], M.hi[0]), deq(place[2 * p + 1], M.lo[1], M.hi[1])]; }
  addView('view-map', D.frames.map, place, 2, 0, 1, M.lo, M.hi);

  // Points as 2 × 2 pixel squares written straight into the canvas.
  function drawPoints() {
    views.forEach(function (v) {
      if (!v.base) return;
      var ctx = v.base, w = ctx.canvas.width, h = ctx.canvas.height;
      var image = ctx.createImageData(w, h), px = new Uint32Array(image.data.buffer);
      for (var p = 0; p < n; p++) {
        if (!visible(p)) continue;
        var x = Math.round(v.x[p]) - 1, y = Math.round(v.y[p]) - 1;
        if (x < 0 || y < 0 || x + 1 >= w || y + 1 >= h) continue;
        var c = colourRgb[p], abgr = 0xff000000 | ((c & 255) << 16) | (c & 0xff00) | (c >> 16);
        var i = y * w + x;
        px[i] = px[i + 1] = px[i + w] = px[i + w + 1] = abgr;
      }
      ctx.putImageData(image, 0, 0);
    });
  }

  // Elements of each node in every view.
  var nodeElements = {};
  Array.prototype.forEach.call(document.querySelectorAll('[data-n]'), function (e) {
    var k = e.getAttribute('data-n');
    (nodeElements[k] = nodeElements[k] || []).push(e);
  });
  var info = document.getElementById('info');
  var lit = [];
  function clearHighlight() {
    lit.forEach(function (e) {
      e.classList.remove('hl');
      if (e.getAttribute('class') === 'plane-mark') e.style.display = 'none';
    });
    lit = [];
    views.forEach(function (v) { v.over.clearRect(0, 0, v.over.canvas.width, v.over.canvas.height); });
  }
  function ring(ctx, x, y, r) { ctx.beginPath(); ctx.arc(x, y, r, 0, 2 * Math.PI); ctx.stroke(); }
  function highlightNode(k) {
    clearHighlight();
    lit = (nodeElements[k] || []).slice();
    lit.forEach(function (e) { e.classList.add('hl'); });
    markPlanes(k);
    var shown = 0;
    views.forEach(function (v) {
      var ctx = v.over;
      ctx.strokeStyle = '#000'; ctx.lineWidth = 1.5;
      for (var i = start[k]; i < start[k + 1]; i++) {
        var p = order[i];
        if (visible(p)) ring(ctx, v.x[p], v.y[p], 4.5);
      }
    });
    for (var i = start[k]; i < start[k + 1]; i++) if (visible(order[i])) shown++;
    var text = 'Node ' + k + ': ' + D.counts[k] + ' points (' + shown + ' highlighted); quality ' +
      fmt(D.quality[k]) + '; U-matrix ' + fmt(D.umatrix[k]) + '.';
    if (D.columns.length) {
      text += ' Values (' + D.units + '): ' + D.columns.map(function (c, i) {
        return c + ' ' + fmt(D.values[i][k]);
      }).join(', ') + '.';
    }
    info.textContent = text;
    info.setAttribute('data-node', k);
    info.setAttribute('data-highlighted', shown);
  }
  function showPoint(p) {
    clearHighlight();
    views.forEach(function (v) {
      v.over.strokeStyle = '#d00'; v.over.lineWidth = 2;
      ring(v.over, v.x[p], v.y[p], 6);
    });
    var name = P.ids ? P.ids[p] : 'Point ' + (p + 1);
    var text = name;
    if (cls) text += ' (' + D.labels[cls[p]] + ')';
    if (val) text += ' (' + (D.colourName || 'value') + ' ' + fmt(deq(val[p], P.valueLow, P.valueHigh)) + ')';
    var c = mapPlace(p);
    text += ': nearest node ' + nearest[p] + '; on the map at ' + D.mapAxes[0] + ' ' + fmt(c[0]);
    if (!D.strip) text += ', ' + D.mapAxes[1] + ' ' + fmt(c[1]);
    info.textContent = text + '.';
    info.setAttribute('data-point', p);
  }

  // The point under the mouse within 5 pixels, or -1.
  function pointAt(v, x, y) {
    var best = -1, bestD = 25;
    for (var p = 0; p < n; p++) {
      var dx = v.x[p] - x, dy = v.y[p] - y, d = dx * dx + dy * dy;
      if (d < bestD && visible(p)) { bestD = d; best = p; }
    }
    return best;
  }
  views.forEach(function (v) {
    v.svg.addEventListener('mousemove', function (e) {
      var r = v.svg.getBoundingClientRect();
      var p = pointAt(v, e.clientX - r.left, e.clientY - r.top);
      if (p >= 0) { showPoint(p); return; }
      var t = e.target.closest ? e.target.closest('[data-n]') : null;
      if (t) highlightNode(+t.getAttribute('data-n'));
    });
  });
  document.addEventListener('mouseover', function (e) {
    var t = e.target.closest ? e.target.closest('[data-n]') : null;
    if (t && !views.some(function (v) { return v.svg.contains(t); })) highlightNode(+t.getAttribute('data-n'));
  });

  // The component planes are pictures: a mark per plane shows the node, and
  // the node under the mouse is found from the shapes of the nodes.
  var PL = D.planes, planeMarks = [];
  function planeNodeAt(x, y) {
    var best = -1, bestD = Infinity;
    PL.shapes.forEach(function (s, j) {
      if (PL.discs) {
        var dx = s[0] - x, dy = s[1] - y, d = dx * dx + dy * dy;
        if (d <= (s[2] + 2) * (s[2] + 2) && d < bestD) { bestD = d; best = j; }
      } else if (x >= s[0] && x < s[0] + s[2] && y >= s[1] && y < s[1] + s[3]) {
        best = j;
      }
    });
    return best;
  }
  Array.prototype.forEach.call(document.querySelectorAll('svg[id^="view-plane-"]'), function (svg) {
    var mark = document.createElementNS('http://www.w3.org/2000/svg', PL.discs ? 'circle' : 'rect');
    mark.setAttribute('class', 'plane-mark');
    mark.style.display = 'none';
    svg.appendChild(mark);
    planeMarks.push(mark);
    svg.addEventListener('mousemove', function (e) {
      var r = svg.getBoundingClientRect(), k = planeNodeAt(e.clientX - r.left, e.clientY - r.top);
      if (k >= 0) highlightNode(k);
    });
  });
  function markPlanes(k) {
    var s = PL.shapes[k];
    planeMarks.forEach(function (mark) {
      if (PL.discs) {
        mark.setAttribute('cx', s[0]); mark.setAttribute('cy', s[1]); mark.setAttribute('r', s[2] + 1);
      } else {
        mark.setAttribute('x', s[0]); mark.setAttribute('y', s[1]);
        mark.setAttribute('width', s[2]); mark.setAttribute('height', s[3]);
      }
      mark.style.display = '';
      mark.classList.add('hl');
      lit.push(mark);
    });
  }

  // Colouring the map view by a variable (or by the hit counts again).
  var mapCells = document.querySelectorAll('#view-map .cell');
  var bar = document.getElementById('map-scale');
  var hitFills = Array.prototype.map.call(mapCells, function (e) { return e.getAttribute('fill'); });
  var barFills = bar ? Array.prototype.map.call(bar.querySelectorAll('.bar'), function (e) { return e.getAttribute('fill'); }) : [];
  var hitTitle = bar ? bar.querySelector('.scale-title').textContent : '';
  var hitTicks = bar ? Array.prototype.map.call(bar.querySelectorAll('.tick, .tick-mark'), function (e) { return e; }) : [];
  function niceTicks(lo, hi, count) {
    if (!(hi > lo)) return [lo];
    var rough = (hi - lo) / (count - 1), mag = Math.pow(10, Math.floor(Math.log10(rough))), step = mag;
    var factors = [1, 2, 2.5, 5, 10];
    for (var i = 0; i < factors.length; i++) { step = factors[i] * mag; if (step >= rough) break; }
    var out = [];
    for (var t = Math.ceil(lo / step - 1e-9) * step; t <= hi + step * 1e-9 && out.length < 21; t += step) out.push(Math.abs(t) < step * 1e-9 ? 0 : t);
    return out;
  }
  var SVGNS = 'http://www.w3.org/2000/svg';
  function recolour(index) {
    if (!bar) return;
    var rects = bar.querySelectorAll('.bar');
    Array.prototype.forEach.call(bar.querySelectorAll('.var-tick'), function (e) { e.parentNode.removeChild(e); });
    var title = bar.querySelector('.scale-title');
    if (index < 0) {
      Array.prototype.forEach.call(mapCells, function (e, i) { e.setAttribute('fill', hitFills[i]); });
      Array.prototype.forEach.call(rects, function (e, i) { e.setAttribute('fill', barFills[i]); });
      hitTicks.forEach(function (e) { e.style.display = ''; });
      title.textContent = hitTitle;
    } else {
      var values = D.values[index], lo = Math.min.apply(null, values), hi = Math.max.apply(null, values);
      function pos(v) { return hi > lo ? (v - lo) / (hi - lo) : 0.5; }
      Array.prototype.forEach.call(mapCells, function (e) { e.setAttribute('fill', seqColour(pos(values[+e.getAttribute('data-n')]))); });
      Array.prototype.forEach.call(rects, function (e, i) { e.setAttribute('fill', seqColour((i + 0.5) / rects.length)); });
      hitTicks.forEach(function (e) { e.style.display = 'none'; });
      var x0 = +rects[0].getAttribute('x'), last = rects[rects.length - 1];
      var width = +last.getAttribute('x') + (+last.getAttribute('width')) - 0.3 - x0;
      var y = +rects[0].getAttribute('y') + 24;
      niceTicks(lo, hi, 5).forEach(function (t) {
        var label = document.createElementNS(SVGNS, 'text');
        label.setAttribute('class', 'tick var-tick');
        label.setAttribute('x', x0 + width * pos(t));
        label.setAttribute('y', y);
        label.setAttribute('text-anchor', 'middle');
        label.textContent = fmt(t);
        bar.appendChild(label);
      });
      title.textContent = D.columns[index] + ' (' + D.units + ')';
    }
    Array.prototype.forEach.call(document.querySelectorAll('[data-var]'), function (e) {
      e.classList.toggle('chosen', +e.getAttribute('data-var') === index);
    });
  }
  Array.prototype.forEach.call(document.querySelectorAll('[data-var]'), function (e) {
    e.addEventListener('click', function () { recolour(+e.getAttribute('data-var')); });
  });

  // Legend entries hide or show their class.
  var classElements = {};
  if (cls) {
    Array.prototype.forEach.call(document.querySelectorAll('.point, .map-point'), function (e) {
      var c = cls[+e.getAttribute('data-p')];
      (classElements[c] = classElements[c] || []).push(e);
    });
  }
  Array.prototype.forEach.call(document.querySelectorAll('[data-class]'), function (e) {
    e.addEventListener('click', function () {
      var c = +e.getAttribute('data-class');
      hidden[c] = !hidden[c];
      e.classList.toggle('off', !!hidden[c]);
      (classElements[c] || []).forEach(function (x) { x.style.display = hidden[c] ? 'none' : ''; });
      clearHighlight();
      drawPoints();
    });
  });

  // One pair of components at a time.
  function showPair(pair) {
    D.frames.data.forEach(function (f) {
      var fig = document.getElementById('figure-data-' + f.pair);
      if (fig) fig.style.display = f.pair === pair ? '' : 'none';
    });
    Array.prototype.forEach.call(document.querySelectorAll('[data-pair]'), function (e) {
      e.classList.toggle('chosen', e.getAttribute('data-pair') === pair);
    });
  }
  Array.prototype.forEach.call(document.querySelectorAll('[data-pair]'), function (e) {
    e.addEventListener('click', function () { showPair(e.getAttribute('data-pair')); });
  });
  showPair('12');

  drawPoints();
  requestAnimationFrame(function () {
    requestAnimationFrame(function () {
      window.manifitReadyAt = performance.now();
      window.manifitReady = true;
      root.setAttribute('data-ready', '1');
    });
  });
})();
)JS";
}

const char* pageStyle() {
  return "body{font-family:sans-serif;margin:16px;color:#222;background:#fff}\n"
         "h1{font-size:20px;margin:0 0 8px}\n"
         "h2{font-size:16px;margin:16px 0 6px}\n"
         "table.figures{border-collapse:collapse;margin-bottom:12px}\n"
         "table.figures th{text-align:left;padding:2px 12px 2px 0;font-weight:normal;color:#555}\n"
         "table.figures td{padding:2px 0}\n"
         ".views{display:flex;flex-wrap:wrap;gap:16px;align-items:flex-start}\n"
         ".planes{display:flex;flex-wrap:wrap;gap:8px}\n"
         "figure{margin:0}\n"
         "figcaption{font-size:14px;margin-bottom:4px;max-width:560px}\n"
         ".planes figcaption{font-size:13px;max-width:166px;overflow:hidden;white-space:nowrap}\n"
         ".legend{font-size:13px;margin:8px 0}\n"
         ".swatch{display:inline-block;width:10px;height:10px;margin:0 4px 0 12px}\n"
         ".note{font-size:13px;color:#555;max-width:1140px}\n"
         ".scripted{display:none}\n"
         ".js .scripted{display:block}\n"
         ".js span.scripted,.js button.scripted{display:inline-block}\n"
         ".js .unscripted{display:none}\n"
         ".info{position:sticky;top:0;z-index:2;background:#fffbe6;border:1px solid #e8d98a;"
         "padding:4px 8px;font-size:13px;min-height:18px;max-width:1140px}\n"
         ".js [data-var],.js [data-class],.js [data-pair]{cursor:pointer}\n"
         "button{font-size:12px;margin:0 4px 4px 0;padding:1px 6px;background:#f4f4f4;"
         "border:1px solid #bbb;border-radius:3px}\n"
         "button.chosen,.chosen{background:#dde8f6;border-color:#5b8ccc}\n"
         ".off{opacity:0.35;text-decoration:line-through}\n"
         ".canvas-wrap{position:relative;display:inline-block}\n"
         ".canvas-wrap canvas{position:absolute;left:0;top:0;pointer-events:none}\n"
         ".large .points{display:none}\n"
         "svg text{font-size:12px;fill:#333}\n"
         "svg .frame{fill:none;stroke:#999;stroke-width:1}\n"
         "svg .axis{stroke:#bbb;stroke-width:1;stroke-dasharray:4 3}\n"
         "svg .point,svg .map-point{fill-opacity:0.75;stroke:#fff;stroke-width:0.5}\n"
         "svg .edge{stroke:#333;stroke-width:0.8;stroke-opacity:0.7}\n"
         "svg .link{stroke:#888;stroke-width:0.8}\n"
         "svg .node,svg .map-node{fill:#111}\n"
         "svg .cell{stroke:#ddd;stroke-width:0.5}\n"
         "svg .hl{stroke:#d00;stroke-width:2.5}\n"
         "svg .node.hl{fill:#d00;r:5px}\n"
         "svg .plane-mark{fill:none}\n"
         "svg .tick-mark{stroke:#555}\n"
         "svg .stage{stroke:#999;stroke-dasharray:5 3}\n"
         "svg .train-curve{fill:none;stroke:#1f77b4;stroke-width:1.5}\n"
         "svg .test-curve{fill:none;stroke:#ff7f0e;stroke-width:1.5}\n";
}

}  // namespace manifit
