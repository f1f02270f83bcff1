#pragma once

#include <QThreadPool>

namespace tandor {

// The threads of the application's own work off the main thread: reading
// stores, listing folders, inspecting, decoding pictures. It is not Qt's
// global pool because Qt draws with that one (the raster engine's fills and
// image scaling): a long read queued there would hold up the next frame.
class BackgroundPool {
  public:
    // Made on first use, from any thread; when the application ends, the work
    // still running is waited for.
    static QThreadPool* shared();
};

}  // namespace tandor
