// Writes the program's window icon as C++ arrays of 32-bit ARGB pixels, so that a start shows the
// icon without reading PNG files: reading one makes Qt load every image-format plugin it has.
// usage: icon_pixels OUT.cpp ICON.png...   (square pictures, one per size)
#include <QImage>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: icon_pixels OUT.cpp ICON.png...\n");
        return 2;
    }
    std::string arrays, table;
    for (int i = 2; i < argc; ++i) {
        QImage image(QString::fromLocal8Bit(argv[i]), "PNG");
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "icon_pixels: %s is not a square PNG picture\n", argv[i]);
            return 1;
        }
        image = image.convertToFormat(QImage::Format_ARGB32);
        const std::string name = "kPixels" + std::to_string(i - 2);
        arrays += "const unsigned int " + name + "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            arrays += "\n   ";
            for (int x = 0; x < image.width(); ++x) {
                char pixel[16];
                std::snprintf(pixel, sizeof pixel, " 0x%08x,", static_cast<unsigned>(row[x]));
                arrays += pixel;
            }
        }
        arrays += "\n};\n";
        table += "    {" + std::to_string(image.width()) + ", " + name + "},\n";
    }
    const std::string out = "// Written by icon_pixels from the icon's PNG files: do not edit.\n"
                            "#include \"ui/qt/app_icon_pixels.h\"\n\nnamespace ui::qt {\n\nnamespace {\n\n" +
                            arrays + "\nconst IconPixels kTable[] = {\n" + table +
                            "};\n\n}  // namespace\n\n"
                            "const std::span<const IconPixels> kAppIconPixels = kTable;\n\n"
                            "}  // namespace ui::qt\n";
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f || std::fwrite(out.data(), 1, out.size(), f) != out.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "icon_pixels: %s could not be written\n", argv[1]);
        return 1;
    }
    return 0;
}
