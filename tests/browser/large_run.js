// Writes the files of a run on a large table without training: points near a
// curved sheet in `dimension` coordinates, a size × size rectangle lying on
// it, the summary of the points' exact mean and of three orthonormal
// directions, their projections and labels. Deterministic.
'use strict';
const fs = require('fs');
const path = require('path');

function generator(seed) {
  let state = seed >>> 0;
  return () => {
    state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
    return state / 4294967296;
  };
}

// Three orthonormal directions in `dimension` coordinates (Gram-Schmidt).
function directions(dimension, random) {
  const out = [];
  while (out.length < 3) {
    let v = Array.from({ length: dimension }, () => random() - 0.5);
    for (const u of out) {
      const d = v.reduce((s, x, k) => s + x * u[k], 0);
      v = v.map((x, k) => x - d * u[k]);
    }
    const norm = Math.sqrt(v.reduce((s, x) => s + x * x, 0));
    out.push(v.map(x => x / norm));
  }
  return out;
}

function writeLines(file, count, line) {
  const fd = fs.openSync(file, 'w');
  let chunk = [];
  for (let i = 0; i < count; i++) {
    chunk.push(line(i));
    if (chunk.length === 2000) { fs.writeSync(fd, chunk.join('')); chunk = []; }
  }
  fs.writeSync(fd, chunk.join(''));
  fs.closeSync(fd);
}

function f(x, decimals) { return x.toFixed(decimals); }

function writeLargeRun(folder, points, dimension, size) {
  fs.mkdirSync(folder, { recursive: true });
  const random = generator(12345);
  const [a, b, c] = directions(dimension, random);
  const place = (u, v) => a.map((x, k) => 2 * x * u + b[k] * v + 0.6 * c[k] * (u * u - 1 / 3));
  // Nodes: node(i, j) = i·size + j at grid coordinates (2i/(size − 1) − 1, 2j/(size − 1) − 1).
  const nodes = [], grid = [];
  for (let q = 0; q < size * size; q++) {
    const g0 = 2 * Math.floor(q / size) / (size - 1) - 1, g1 = 2 * (q % size) / (size - 1) - 1;
    grid.push([g0, g1]);
    nodes.push(place(g0, g1));
  }
  const edges = [];
  for (let i = 0; i < size; i++) {
    for (let j = 0; j < size; j++) {
      if (j < size - 1) edges.push([i * size + j, i * size + j + 1]);
      if (i < size - 1) edges.push([i * size + j, (i + 1) * size + j]);
    }
  }
  const ribs = 2 * (size * size - 2 * size), triangles = 2 * (size - 1) * (size - 1);
  let map = '# DATAFILENAME\nlarge.qxd\n\n# TABLENAME\nlarge.qxt\n\n# DIMENSION\n' + dimension +
    '\n\n# INITIALIZATION\nMAINCOMP 0.5 30 FALSE\n\n# ELASTICITY\n1 1\n\n# DISCRETE\nFALSE\n\n' +
    '# SMOOTHNESS\n1\n\n# TONES\n0\n\n# GRIDTYPE\nRECTANGULAR\n10 10\n\n# NODES\n' + nodes.length +
    '\n\n# EDGES\n' + edges.length + '\n\n# RIBS\n' + ribs + '\n\n# TRIANGLES\n' + triangles +
    '\n\n# GRIDNODES\n';
  map += nodes.map(n => n.map(x => f(x, 8) + ' ').join('') + '\n').join('');
  map += '\n# GRIDEDGES\n' + edges.map(e => e[0] + ' ' + e[1] + ' \n').join('');
  map += '\n# GRIDRIBS\n' + '0 0 0 \n'.repeat(ribs);
  map += '\n# GRIDTRIANGLES\n' + '0 0 0 \n'.repeat(triangles);
  map += '\n# GRIDNODES2D\n' + grid.map(g => f(g[0], 8) + ' ' + f(g[1], 8) + ' \n').join('');
  map += '\n# GRIDEP\n' + '   1.00000 '.repeat(edges.length) + '\n\n# GRIDRP\n' + '   1.00000 '.repeat(ribs) + '\n\n';
  fs.writeFileSync(path.join(folder, 'large.map'), map);

  // Points: the sheet at random (u, v) plus noise; rounded as the table file holds them.
  const rows = [], uv = [];
  for (let p = 0; p < points; p++) {
    const u = 2 * random() - 1, v = 2 * random() - 1;
    uv.push([u, v]);
    rows.push(place(u, v).map(x => Number(f(x + 0.05 * (random() - 0.5), 6))));
  }
  writeLines(path.join(folder, 'large.norm'), points, p => rows[p].map(x => f(x, 6)).join('\t') + '\t\n');
  writeLines(path.join(folder, 'large.proj'), points, p => f(uv[p][0], 6) + '\t' + f(uv[p][1], 6) + '\t0.000000\n');
  writeLines(path.join(folder, 'large.labels'), points, p => 'class' + (1 + Math.floor((uv[p][0] + 1) * 2.5)) + '\n');

  // The summary: the points' mean and the three directions with their shares of the variance.
  const mean = new Array(dimension).fill(0);
  for (const r of rows) for (let k = 0; k < dimension; k++) mean[k] += r[k] / points;
  let total = 0;
  const along = [0, 0, 0];
  for (const r of rows) {
    const d = r.map((x, k) => x - mean[k]);
    total += d.reduce((s, x) => s + x * x, 0);
    [a, b, c].forEach((w, i) => { const s = d.reduce((t, x, k) => t + x * w[k], 0); along[i] += s * s; });
  }
  let sum = 0, temp = '3 ' + dimension + '\n' + mean.map(x => f(x, 3).padStart(10) + ' ').join('') + '\n';
  for (const w of [a, b, c]) temp += w.map(x => f(x, 5).padStart(10) + ' ').join('') + '\n';
  for (const s of along) { sum += s / total; temp += f(s / total, 6) + '\t' + f(sum, 6) + '\n'; }
  fs.writeFileSync(path.join(folder, 'large.temp'), temp);
}

module.exports = { writeLargeRun };
