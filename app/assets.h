#ifndef APP_ASSETS_H
#define APP_ASSETS_H

namespace app {

// Registers the compiled-in pictures (":/...") of this static library; call once
// before any window is built.
void loadAssets();

} // namespace app

#endif
