// A tiny test runner: named checks, failures counted, a closing line that
// ctest and people can read.
'use strict';
let passed = 0, failed = 0;

function check(name, condition, detail) {
  if (condition) {
    passed++;
  } else {
    failed++;
    console.log('FAILED: ' + name + (detail === undefined ? '' : ' (' + detail + ')'));
  }
}

function finish() {
  console.log(passed + ' passed, ' + failed + ' failed');
  process.exit(failed > 0 ? 1 : 0);
}

module.exports = { check, finish };
