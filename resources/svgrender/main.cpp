// svgrender SOURCE.svg OUTPUT
// Renders one SVG at the size it declares (width/height) onto a transparent
// image and writes it in the format the output name asks for (.png, .bmp; .gif
// holds PNG data).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: svgrender SOURCE.svg OUTPUT\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svgrender: cannot read %s\n", argv[1]);
        return 1;
    }
    const QSize size = renderer.defaultSize();
    if (size.isEmpty() || size.width() > 4096 || size.height() > 4096) {
        std::fprintf(stderr, "svgrender: %s declares no usable size\n", argv[1]);
        return 1;
    }
    const bool opaque = output.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive)
                        || output.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::black : Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter);
    }
    // Qt writes no GIF; a ".gif" name keeps PNG data, which readers
    // recognise by content.
    const bool gifName = output.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive);
    if (!image.save(output, gifName ? "PNG" : nullptr)) {
        std::fprintf(stderr, "svgrender: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
