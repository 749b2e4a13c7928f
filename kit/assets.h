#ifndef KIT_ASSETS_H
#define KIT_ASSETS_H

namespace app {

// Registers the compiled-in pictures (":/...") of this static library; call once
// before any window is built.
void loadAssets();

} // namespace app

#endif
