// Converts the game's XPM pictures into files that Allegro's `dat` tool grabs.
//
//   xpm_convert bitmap picture.xpm picture.bmp   24-bit BMP; transparent pixels become
//                                                Allegro's mask colour, magenta
//   xpm_convert font glyphs.xpm glyphs.bmp       8-bit BMP in Allegro's font-sheet layout:
//                                                transparent 0, border (yellow) 255, ink 1,
//                                                so the font comes out single-coloured
//   xpm_convert icon icon.xpm out.xpm NAME       the picture again as C source, an array
//                                                `static const char* NAME[]`
#include <X11/xpm.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct rgb {
    std::uint8_t r, g, b;
    bool operator==(const rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

constexpr rgb MASK_MAGENTA{255, 0, 255};
constexpr rgb FONT_BORDER_YELLOW{255, 255, 0};

struct picture {
    int width = 0;
    int height = 0;
    std::vector<bool> transparent;  // per pixel
    std::vector<rgb> colour;        // per pixel
};

// Our pictures give every colour as #RRGGBB or None; anything else is a mistake in the source.
bool parse_colour(const char* text, rgb& out, bool& none)
{
    none = text && strcasecmp(text, "None") == 0;
    if (none)
        return true;
    unsigned r, g, b;
    if (!text || std::strlen(text) != 7 || std::sscanf(text, "#%2x%2x%2x", &r, &g, &b) != 3)
        return false;
    out = rgb{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
    return true;
}

picture read_xpm(const char* path)
{
    XpmImage image;
    const int status = XpmReadFileToXpmImage(path, &image, nullptr);
    if (status != XpmSuccess)
        throw std::runtime_error(std::string(path) + ": " + XpmGetErrorString(status));

    std::vector<rgb> table(image.ncolors);
    std::vector<bool> table_none(image.ncolors);
    for (unsigned i = 0; i < image.ncolors; i++) {
        bool none = false;
        if (!parse_colour(image.colorTable[i].c_color, table[i], none)) {
            XpmFreeXpmImage(&image);
            throw std::runtime_error(std::string(path) + ": colours must be #RRGGBB or None");
        }
        table_none[i] = none;
    }

    picture p;
    p.width = int(image.width);
    p.height = int(image.height);
    for (unsigned i = 0; i < image.width * image.height; i++) {
        p.transparent.push_back(table_none[image.data[i]]);
        p.colour.push_back(table[image.data[i]]);
    }
    XpmFreeXpmImage(&image);
    return p;
}

void put_le(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; i++)
        out.push_back(char((value >> (8 * i)) & 0xff));
}

// A bottom-up Windows 3 BMP; rows are padded to four bytes.
std::string bmp_file(int width, int height, int bits, const std::vector<rgb>& palette,
                     const std::vector<std::uint8_t>& rows)
{
    const std::uint32_t header_size = 14 + 40 + 4 * std::uint32_t(palette.size());
    std::string out;
    out += "BM";
    put_le(out, header_size + std::uint32_t(rows.size()), 4);
    put_le(out, 0, 4);
    put_le(out, header_size, 4);
    put_le(out, 40, 4);
    put_le(out, std::uint32_t(width), 4);
    put_le(out, std::uint32_t(height), 4);
    put_le(out, 1, 2);
    put_le(out, std::uint32_t(bits), 2);
    put_le(out, 0, 4);  // no compression
    put_le(out, std::uint32_t(rows.size()), 4);
    put_le(out, 2835, 4);
    put_le(out, 2835, 4);
    put_le(out, std::uint32_t(palette.size()), 4);
    put_le(out, 0, 4);
    for (const rgb& c : palette) {
        out.push_back(char(c.b));
        out.push_back(char(c.g));
        out.push_back(char(c.r));
        out.push_back(0);
    }
    out.append(rows.begin(), rows.end());
    return out;
}

int padded_row_size(int bytes)
{
    return (bytes + 3) & ~3;
}

std::string truecolour_bmp(const picture& p)
{
    const int stride = padded_row_size(p.width * 3);
    std::vector<std::uint8_t> rows(std::size_t(stride) * p.height, 0);
    for (int y = 0; y < p.height; y++) {
        std::uint8_t* row = &rows[std::size_t(p.height - 1 - y) * stride];
        for (int x = 0; x < p.width; x++) {
            const std::size_t i = std::size_t(y) * p.width + x;
            const rgb c = p.transparent[i] ? MASK_MAGENTA : p.colour[i];
            row[3 * x] = c.b;
            row[3 * x + 1] = c.g;
            row[3 * x + 2] = c.r;
        }
    }
    return bmp_file(p.width, p.height, 24, {}, rows);
}

// Allegro reads a paletted sheet whose glyphs use one colour besides 0 and 255 as a
// single-coloured font, drawn in whatever colour the text is written with.
std::string font_sheet_bmp(const picture& p)
{
    std::vector<rgb> palette(256, rgb{0, 0, 0});
    palette[1] = rgb{255, 255, 255};
    palette[255] = FONT_BORDER_YELLOW;
    const int stride = padded_row_size(p.width);
    std::vector<std::uint8_t> rows(std::size_t(stride) * p.height, 0);
    for (int y = 0; y < p.height; y++) {
        std::uint8_t* row = &rows[std::size_t(p.height - 1 - y) * stride];
        for (int x = 0; x < p.width; x++) {
            const std::size_t i = std::size_t(y) * p.width + x;
            if (p.transparent[i])
                row[x] = 0;
            else
                row[x] = p.colour[i] == FONT_BORDER_YELLOW ? 255 : 1;
        }
    }
    return bmp_file(p.width, p.height, 8, palette, rows);
}

// The picture as an XPM C array the program includes; its characters per pixel are
// chosen afresh so that any number of colours fits.
std::string icon_source(const char* path, const std::string& name)
{
    XpmImage image;
    const int status = XpmReadFileToXpmImage(path, &image, nullptr);
    if (status != XpmSuccess)
        throw std::runtime_error(std::string(path) + ": " + XpmGetErrorString(status));
    std::string out = "/* XPM */\nstatic const char* " + name + "[] = {\n";
    out += "\"" + std::to_string(image.width) + " " + std::to_string(image.height) + " " +
           std::to_string(image.ncolors) + " " + std::to_string(image.cpp) + "\",\n";
    for (unsigned i = 0; i < image.ncolors; i++)
        out += std::string("\"") + image.colorTable[i].string + " c " +
               image.colorTable[i].c_color + "\",\n";
    for (unsigned y = 0; y < image.height; y++) {
        out += "\"";
        for (unsigned x = 0; x < image.width; x++)
            out += image.colorTable[image.data[y * image.width + x]].string;
        out += y + 1 < image.height ? "\",\n" : "\"\n";
    }
    out += "};\n";
    XpmFreeXpmImage(&image);
    return out;
}

void write_file(const char* path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out)
        throw std::runtime_error(std::string("cannot write ") + path);
}

int usage()
{
    std::fprintf(stderr,
                 "usage: xpm_convert bitmap|font IN.xpm OUT.bmp\n"
                 "       xpm_convert icon IN.xpm OUT.xpm ARRAY_NAME\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
        return usage();
    const std::string mode = argv[1];
    try {
        if (mode == "bitmap" && argc == 4)
            write_file(argv[3], truecolour_bmp(read_xpm(argv[2])));
        else if (mode == "font" && argc == 4)
            write_file(argv[3], font_sheet_bmp(read_xpm(argv[2])));
        else if (mode == "icon" && argc == 5)
            write_file(argv[3], icon_source(argv[2], argv[4]));
        else
            return usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "xpm_convert: %s\n", e.what());
        return 1;
    }
    return 0;
}
