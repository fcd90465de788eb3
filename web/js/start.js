// Start-up, once the core is ready: find the described window's controls, start the form, give
// the focus to its first control, and tell whoever waits that the window takes input.
Module.onRuntimeInitialized = () => {
  const description = readWindowDescription();
  const realised = adoptWindow(description);
  korvalaPage.attach(realised, createErrorDialog(description));
  wireEvents(realised);
  keepFocusInWindow(realised, description);
  fitToScreen(realised.window, description);
  Module._korvala_form_load();
  // The window fits the screen already: there is nothing to scroll to.
  realised.byPosition[description.firstFocus].focus({ preventScroll: true });
  performance.mark('korvala-ready');
  document.documentElement.dataset.window = 'ready';
  addEventListener('load', keepForOffline);
  if (document.readyState === 'complete') {
    keepForOffline();
  }
};
