#include "videothumbnailer.h"

#include "ffmpegvideothumbnailer.h"

#include <memory>
#include <mutex>

namespace {
std::mutex s_mutex;
std::unique_ptr<VideoThumbnailer> s_instance;
} // namespace

VideoThumbnailer::~VideoThumbnailer() = default;

VideoThumbnailer *VideoThumbnailer::instance()
{
    std::lock_guard<std::mutex> lock(s_mutex);
    if (!s_instance)
        s_instance = std::make_unique<FfmpegVideoThumbnailer>();
    return s_instance.get();
}

void VideoThumbnailer::install(VideoThumbnailer *thumbnailer)
{
    std::lock_guard<std::mutex> lock(s_mutex);
    s_instance.reset(thumbnailer);
}
