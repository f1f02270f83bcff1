#include "TandorDuplicates/VipsSupport.hpp"

// Not self-contained: it needs the types vips.h declares.
#include <vips/vector.h>

namespace tandor::vips {
namespace {

void ignoreMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer) {
}

}  // namespace

// The callers already work in parallel, one image per thread, so libvips works
// on one thread per image and keeps no cache of operations (each image is seen
// once). Its run-time compiled vector code stays off: libvips frees those
// programs outside the lock it compiles them under, and liborc's code allocator
// is not thread-safe, so images that finish together corrupt the heap; the
// plain code is as fast for thumbnails. Loaders that libvips marks as unfit for
// untrusted files stay blocked, and its warnings about damaged files are not
// printed: such a file is reported as unreadable instead.
bool started() {
    static const bool started = [] {
        if (vips_init("tandor") != 0) {
            return false;
        }
        vips_concurrency_set(1);
        vips_vector_set_enabled(FALSE);
        vips_cache_set_max(0);
        vips_cache_set_max_mem(0);
        vips_cache_set_max_files(0);
        vips_block_untrusted_set(TRUE);
        g_log_set_handler("VIPS", G_LOG_LEVEL_WARNING, ignoreMessage, nullptr);
        return true;
    }();
    return started;
}

bool claimsTooManyPixels(VipsImage* header) {
    const std::int64_t pixels =
        std::int64_t{vips_image_get_width(header)} * vips_image_get_height(header);
    return pixels > maxPixelCount;
}

}  // namespace tandor::vips
