#include "mp4writer.h"

#include <QFile>

#include <cstdint>

#include <unistd.h>

#ifdef OSTREL_HAVE_LIBAV
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libswscale/swscale.h>
}

struct Mp4Writer::Codec
{
    AVFormatContext *format = nullptr;
    AVCodecContext *context = nullptr;
    AVStream *stream = nullptr;
    AVFrame *frame = nullptr;
    AVPacket *packet = nullptr;
    SwsContext *scaler = nullptr;

    ~Codec()
    {
        sws_freeContext(scaler);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&context);
        if (format) {
            if (format->pb)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }
};
#else
// The camera's cross build has no video libraries: encoder-sim only runs on
// the build machine.
struct Mp4Writer::Codec
{
};
#endif

Mp4Writer::Mp4Writer() = default;

Mp4Writer::~Mp4Writer() = default;

bool Mp4Writer::isOpen() const
{
    return m_codec != nullptr;
}

bool Mp4Writer::fail(const char *what, int code)
{
    m_error = QString::fromLatin1(what);
#ifdef OSTREL_HAVE_LIBAV
    if (code < 0) {
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(code, text, sizeof text);
        m_error += QLatin1String(": ") + QString::fromLocal8Bit(text);
    }
#else
    Q_UNUSED(code)
#endif
    m_codec.reset();
    return false;
}

QByteArray Mp4Writer::endBox()
{
    QByteArray box(4, '\0');
    box[3] = char(EndBoxSize);
    return box + "free" + EndMarker;
}

#ifdef OSTREL_HAVE_LIBAV

bool Mp4Writer::open(const QString &hostPath, int width, int height)
{
    m_codec = std::make_unique<Codec>();
    m_path = hostPath;
    m_lastSlot = -1;
    m_error.clear();
    av_log_set_level(AV_LOG_ERROR);
    Codec &c = *m_codec;
    // "file:" keeps a colon in the name from reading as a protocol.
    const QByteArray url = "file:" + QFile::encodeName(hostPath);
    int rc = avformat_alloc_output_context2(&c.format, nullptr, "mp4", url.constData());
    if (rc < 0 || !c.format)
        return fail("no MP4 muxer", rc);
    // No library version inside the file.
    c.format->flags |= AVFMT_FLAG_BITEXACT;
    const AVCodec *codec = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    if (!codec)
        return fail("no MPEG-4 encoder");
    c.stream = avformat_new_stream(c.format, nullptr);
    c.context = avcodec_alloc_context3(codec);
    if (!c.stream || !c.context)
        return fail("out of memory");
    AVCodecContext *ctx = c.context;
    ctx->width = width & ~1;
    ctx->height = height & ~1;
    ctx->pix_fmt = AV_PIX_FMT_YUV420P;
    ctx->time_base = AVRational{1, FramesPerSecond};
    ctx->framerate = AVRational{FramesPerSecond, 1};
    ctx->gop_size = FramesPerSecond;
    ctx->max_b_frames = 0;
    ctx->bit_rate = 1000000;
    ctx->flags |= AV_CODEC_FLAG_BITEXACT;
    if (c.format->oformat->flags & AVFMT_GLOBALHEADER)
        ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if ((rc = avcodec_open2(ctx, codec, nullptr)) < 0)
        return fail("cannot open the encoder", rc);
    if ((rc = avcodec_parameters_from_context(c.stream->codecpar, ctx)) < 0)
        return fail("cannot describe the stream", rc);
    c.stream->time_base = ctx->time_base;
    if ((rc = avio_open(&c.format->pb, url.constData(), AVIO_FLAG_WRITE)) < 0)
        return fail("cannot create the file", rc);
    if ((rc = avformat_write_header(c.format, nullptr)) < 0)
        return fail("cannot write the file's start", rc);
    c.frame = av_frame_alloc();
    c.packet = av_packet_alloc();
    if (!c.frame || !c.packet)
        return fail("out of memory");
    c.frame->format = ctx->pix_fmt;
    c.frame->width = ctx->width;
    c.frame->height = ctx->height;
    if ((rc = av_frame_get_buffer(c.frame, 0)) < 0)
        return fail("out of memory", rc);
    return true;
}

bool Mp4Writer::encode(bool flush)
{
    Codec &c = *m_codec;
    for (;;) {
        const int rc = avcodec_receive_packet(c.context, c.packet);
        if (rc == AVERROR(EAGAIN) || (flush && rc == AVERROR_EOF))
            return true;
        if (rc < 0)
            return fail("encoding failed", rc);
        // The last frame lasts one slot like the others.
        if (c.packet->duration <= 0)
            c.packet->duration = 1;
        av_packet_rescale_ts(c.packet, c.context->time_base, c.stream->time_base);
        c.packet->stream_index = c.stream->index;
        const int written = av_interleaved_write_frame(c.format, c.packet);
        if (written < 0)
            return fail("cannot write a frame", written);
    }
}

bool Mp4Writer::write(const QImage &picture, qint64 slot)
{
    if (!isOpen())
        return false;
    if (slot <= m_lastSlot)
        return true;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return true;
    Codec &c = *m_codec;
    c.scaler = sws_getCachedContext(c.scaler, rgb.width(), rgb.height(), AV_PIX_FMT_RGB32, c.context->width,
                                    c.context->height, c.context->pix_fmt, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!c.scaler)
        return fail("cannot convert the picture");
    int rc = av_frame_make_writable(c.frame);
    if (rc < 0)
        return fail("out of memory", rc);
    const uint8_t *source[1] = {rgb.constBits()};
    const int stride[1] = {int(rgb.bytesPerLine())};
    sws_scale(c.scaler, source, stride, 0, rgb.height(), c.frame->data, c.frame->linesize);
    c.frame->pts = slot;
    if ((rc = avcodec_send_frame(c.context, c.frame)) < 0)
        return fail("encoding failed", rc);
    m_lastSlot = slot;
    return encode(false);
}

bool Mp4Writer::finish()
{
    if (!isOpen())
        return false;
    Codec &c = *m_codec;
    int rc = avcodec_send_frame(c.context, nullptr);
    if (rc < 0)
        return fail("encoding failed", rc);
    if (!encode(true))
        return false;
    if ((rc = av_write_trailer(c.format)) < 0)
        return fail("cannot write the index", rc);
    rc = avio_closep(&c.format->pb);
    m_codec.reset();
    if (rc < 0)
        return fail("cannot close the file", rc);
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(endBox()) != EndBoxSize || !file.flush())
        return fail("cannot write the end box");
    return true;
}

#else

bool Mp4Writer::open(const QString &hostPath, int, int)
{
    m_path = hostPath;
    return fail("built without the video libraries");
}

bool Mp4Writer::encode(bool)
{
    return false;
}

bool Mp4Writer::write(const QImage &, qint64)
{
    return false;
}

bool Mp4Writer::finish()
{
    return false;
}

#endif

bool Mp4Writer::completeRecording(const QString &temporary, const QByteArray &side, const QString &finalPath)
{
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const qint64 offset = file.size();
    if (offset <= 0 || offset > qint64(UINT32_MAX))
        return false;
    const uint32_t n = uint32_t(offset);
    const char tail[4] = {char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
    const bool ok = file.write(side) == side.size() && file.write(tail, 4) == 4 && file.flush()
                    && ::fsync(file.handle()) == 0;
    file.close();
    return ok && ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(finalPath).constData()) == 0;
}
