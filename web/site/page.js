// One scene's page: runs the program on the canvas and shows its keys and
// its text output. With ?bare only the canvas shows, at the top-left corner.
(function () {
  const program = document.body.dataset.program;
  const params = new URLSearchParams(location.search);
  if (params.has('bare')) document.body.classList.add('bare');
  const output = document.getElementById('output');
  const status = document.getElementById('status');
  const canvas = document.getElementById('canvas');

  // Read by the browser tests: the program's output, its exit, and when its first picture is up.
  window.scene = { program, output: '', exitStatus: null, running: false };

  // Byte by byte, so output without a line end shows as soon as it is flushed.
  function write(code) {
    if (code === null || code === 0) return;
    const text = String.fromCharCode(code);
    window.scene.output += text;
    output.textContent += text;
  }

  window.Module = {
    canvas,
    arguments: [],
    // Output devices of our own before the runtime makes its terminal ones.
    preRun: [() => Module.FS.init(null, write, write)],
    setWindowTitle(title) { document.getElementById('window-title').textContent = 'Window: ' + title; },
    onRuntimeInitialized() {
      window.scene.running = true;
      status.textContent = 'Running. Click the picture, then use the keys.';
      describeContext();
    },
    onExit(code) {
      window.scene.exitStatus = code;
      window.scene.running = false;
      status.textContent = 'The program ended with status ' + code + '.';
      describeContext();
    },
  };

  // What the page really has underneath the program's OpenGL.
  function describeContext() {
    const probe = document.createElement('canvas').getContext('webgl');
    if (!probe) {
      document.getElementById('context').textContent = 'no WebGL in this browser';
      return;
    }
    const info = probe.getExtension('WEBGL_debug_renderer_info');
    const lines = [
      'version: ' + probe.getParameter(probe.VERSION),
      'shading language: ' + probe.getParameter(probe.SHADING_LANGUAGE_VERSION),
      'renderer: ' + (info ? probe.getParameter(info.UNMASKED_RENDERER_WEBGL) : probe.getParameter(probe.RENDERER)),
      'WebGL 1.0 is OpenGL ES 2.0 for the web: not desktop OpenGL 2.0, and it has no fixed-function pipeline;',
      'these programs draw through this site\'s own OpenGL 1.1 layer over it.',
    ];
    document.getElementById('context').textContent = lines.join('\n');
  }

  fetch('../scenes.json').then((r) => r.json()).then((scenes) => {
    const scene = scenes.find((s) => s.name === program);
    if (!scene) return;
    document.getElementById('title').textContent = scene.title;
    document.title = scene.title;
    document.getElementById('about').textContent = scene.about;
    const table = document.getElementById('keys');
    for (const [keys, what] of scene.keys) {
      const row = table.insertRow();
      row.insertCell().textContent = keys;
      row.insertCell().textContent = what;
    }
    if (!scene.keys.length) table.insertRow().insertCell().textContent = 'none';
  });

  canvas.addEventListener('click', () => canvas.focus());
  const script = document.createElement('script');
  script.src = program + '.js';
  document.body.appendChild(script);
})();
