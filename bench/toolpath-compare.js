// Interprets each file with gcode-toolpath, collecting its lines and arcs as a preview would,
// and prints "file<TAB>lines<TAB>lines per second" over repeated runs of at least half a second.
'use strict';
const fs = require('fs');
const Toolpath = require('gcode-toolpath');

function interpret(text) {
  const segments = [];
  const toolpath = new Toolpath({
    addLine: (modal, v1, v2) => segments.push([modal.motion, v1, v2]),
    addArcCurve: (modal, v1, v2, v0) => segments.push([modal.motion, v1, v2, v0]),
  });
  toolpath.loadFromStringSync(text);
  return segments.length;
}

for (const file of process.argv.slice(2)) {
  const text = fs.readFileSync(file, 'latin1');
  const lines = text.split(/\r?\n/).filter((line) => line.length > 0).length;
  interpret(text);  // warm up the JIT
  const start = process.hrtime.bigint();
  let runs = 0;
  let seconds = 0;
  do {
    interpret(text);
    runs += 1;
    seconds = Number(process.hrtime.bigint() - start) / 1e9;
  } while (seconds < 0.5);
  process.stdout.write(`${file}\t${lines}\t${(lines * runs / seconds).toFixed(0)}\n`);
}
