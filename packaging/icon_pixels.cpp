// A build tool: writes a PNG's pixels as raw RGBA bytes, so that the program can take its
// window icon straight from its resources, without decoding an image at start-up.
// Usage: icon_pixels INPUT.png OUTPUT.rgba
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon_pixels INPUT.png OUTPUT.rgba\n");
        return 2;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGBA8888);
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || image.width() != image.height() || !output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "icon_pixels: cannot turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    for (int y = 0; y < image.height(); ++y)
        output.write(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    return output.error() == QFile::NoError ? 0 : 1;
}
