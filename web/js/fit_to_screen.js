// The window keeps its designed size where the screen has room for it, and is scaled down as a
// whole where it has not (a phone), so that it never needs scrolling sideways.
function fitToScreen(windowElement, description) {
  const width = description.clientArea.width / description.twipsPerPixel;
  const height = description.clientArea.height / description.twipsPerPixel;
  const fit = () => {
    const root = document.documentElement;
    windowElement.style.zoom =
      String(Math.min(1, root.clientWidth / width, root.clientHeight / height));
  };
  addEventListener('resize', fit);
  fit();
}
