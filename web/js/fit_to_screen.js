// The window keeps its designed size where the screen has room for it, and is scaled down as a
// whole where it has not (a phone), so that it never needs scrolling sideways. The viewport's
// size is read without laying the page out first, which start-up would otherwise wait for.
function fitToScreen(windowElement, description) {
  const width = description.clientArea.width / description.twipsPerPixel;
  const height = description.clientArea.height / description.twipsPerPixel;
  const fit = () => {
    windowElement.style.zoom = String(Math.min(1, innerWidth / width, innerHeight / height));
  };
  addEventListener('resize', fit);
  fit();
}
