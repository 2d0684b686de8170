// font_generator: renders a TrueType face into a bitmap font, an AngelCode
// BMFont XML description and one PNG page, for the characters the game shows.
//
//   font_generator --ttf FILE --size PX --out DIR --name BASE
//                  [--face NAME] [--bold] [--shadow]
//
// writes DIR/BASE.xml and DIR/BASE.png. The size is the em size in pixels
// (the size a designer means by "14 px type"). The page holds white glyphs
// whose alpha is the coverage, so the engine tints text by vertex colour;
// --shadow bakes a soft dark shadow 2 px down and right under every glyph.
//
// The output depends only on the inputs: glyphs are packed in a fixed order,
// numbers are written as integers and the PNG encoder has no time stamps, so
// running it twice gives the same bytes.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#define STB_TRUETYPE_IMPLEMENTATION
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#include <stb_image_write.h>
#include <stb_truetype.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

// Empty pixels between glyphs and around the page edge, so that filtering
// never pulls in a neighbour's ink.
constexpr int kSpacing = 2;
constexpr int kShadowOffset = 2;
constexpr int kShadowBlur = 1;           // box radius, applied twice
constexpr int kShadowAlphaPercent = 55;  // strength of the baked shadow
constexpr int kMaxPageSide = 4096;

struct Options {
  std::string ttf;
  std::string out_dir;
  std::string name;
  std::string face;
  int size = 0;
  bool bold = false;
  bool shadow = false;
};

// One rendered glyph: a grey-and-alpha image with its metrics.
struct Glyph {
  int id = 0;
  int width = 0;
  int height = 0;
  int xoffset = 0;
  int yoffset = 0;
  int xadvance = 0;
  int x = 0;  // place in the page
  int y = 0;
  std::vector<uint8_t> grey;
  std::vector<uint8_t> alpha;
};

// The characters the game shows: printable ASCII, Latin-1, and the
// typographic marks translators reach for.
std::vector<int> CharacterSet() {
  std::vector<int> ids;
  for (int c = 32; c <= 126; ++c) ids.push_back(c);
  for (int c = 160; c <= 255; ++c) ids.push_back(c);
  const int extras[] = {0x0152, 0x0153, 0x0160, 0x0161, 0x0178, 0x017D, 0x017E,
                        0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D,
                        0x201E, 0x2022, 0x2026, 0x2039, 0x203A, 0x20AC, 0x2122};
  ids.insert(ids.end(), std::begin(extras), std::end(extras));
  return ids;
}

bool ParseInt(const char* text, int& value) {
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text, &end, 10);
  if (errno != 0 || end == text || *end != '\0' || v < 1 || v > 512) return false;
  value = static_cast<int>(v);
  return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--bold") {
      options.bold = true;
    } else if (arg == "--shadow") {
      options.shadow = true;
    } else if (arg == "--ttf" && has_value) {
      options.ttf = argv[++i];
    } else if (arg == "--out" && has_value) {
      options.out_dir = argv[++i];
    } else if (arg == "--name" && has_value) {
      options.name = argv[++i];
    } else if (arg == "--face" && has_value) {
      options.face = argv[++i];
    } else if (arg == "--size" && has_value) {
      if (!ParseInt(argv[++i], options.size)) return false;
    } else {
      return false;
    }
  }
  return !options.ttf.empty() && !options.out_dir.empty() && !options.name.empty() &&
         options.size > 0;
}

bool ReadFile(const std::string& path, std::vector<unsigned char>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !bytes.empty();
}

bool WriteFile(const std::string& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

// Box blur of radius r over a w x h alpha image, edges treated as empty.
std::vector<int> BoxBlur(const std::vector<int>& in, int w, int h, int r) {
  std::vector<int> tmp(in.size(), 0);
  std::vector<int> out(in.size(), 0);
  const int n = 2 * r + 1;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int sum = 0;
      for (int k = -r; k <= r; ++k) {
        const int xx = x + k;
        if (xx >= 0 && xx < w) sum += in[static_cast<size_t>(y * w + xx)];
      }
      tmp[static_cast<size_t>(y * w + x)] = (sum + n / 2) / n;
    }
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int sum = 0;
      for (int k = -r; k <= r; ++k) {
        const int yy = y + k;
        if (yy >= 0 && yy < h) sum += tmp[static_cast<size_t>(yy * w + x)];
      }
      out[static_cast<size_t>(y * w + x)] = (sum + n / 2) / n;
    }
  }
  return out;
}

// Puts a soft shadow under the glyph's coverage. The image grows to hold the
// blurred shadow; the drawing offset moves with the ink so the ink stays
// where it was.
void AddShadow(Glyph& glyph, const std::vector<uint8_t>& coverage) {
  const int spread = 2 * kShadowBlur;  // two box passes
  const int pad = std::max(0, spread - kShadowOffset);
  const int w = pad + glyph.width + kShadowOffset + spread;
  const int h = pad + glyph.height + kShadowOffset + spread;
  auto at = [w](int x, int y) { return static_cast<size_t>(y * w + x); };
  std::vector<int> ink(static_cast<size_t>(w * h), 0);
  std::vector<int> shadow(static_cast<size_t>(w * h), 0);
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.width; ++x) {
      const int a = coverage[static_cast<size_t>(y * glyph.width + x)];
      ink[at(pad + x, pad + y)] = a;
      shadow[at(pad + x + kShadowOffset, pad + y + kShadowOffset)] = a;
    }
  }
  shadow = BoxBlur(BoxBlur(shadow, w, h, kShadowBlur), w, h, kShadowBlur);

  glyph.grey.assign(static_cast<size_t>(w * h), 255);
  glyph.alpha.assign(static_cast<size_t>(w * h), 0);
  for (size_t i = 0; i < ink.size(); ++i) {
    const int ga = ink[i];
    const int sa = shadow[i] * kShadowAlphaPercent / 100;
    // White ink over a black shadow, both straight (not premultiplied)
    // alpha, in whole numbers out of 255.
    const int out_a = ga + (sa * (255 - ga) + 127) / 255;
    if (out_a == 0) continue;
    glyph.alpha[i] = static_cast<uint8_t>(out_a);
    glyph.grey[i] = static_cast<uint8_t>((ga * 255 + out_a / 2) / out_a);
  }
  glyph.width = w;
  glyph.height = h;
  glyph.xoffset -= pad;
  glyph.yoffset -= pad;
}

bool RenderGlyphs(const stbtt_fontinfo& font, const Options& options, float scale, int base,
                  std::vector<Glyph>& glyphs) {
  for (const int id : CharacterSet()) {
    if (stbtt_FindGlyphIndex(&font, id) == 0 && id != '?') continue;
    Glyph glyph;
    glyph.id = id;
    int advance = 0;
    int bearing = 0;
    stbtt_GetCodepointHMetrics(&font, id, &advance, &bearing);
    glyph.xadvance = static_cast<int>(std::lround(advance * scale));
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    stbtt_GetCodepointBitmapBox(&font, id, scale, scale, &x0, &y0, &x1, &y1);
    glyph.width = std::max(0, x1 - x0);
    glyph.height = std::max(0, y1 - y0);
    std::vector<uint8_t> coverage(static_cast<size_t>(glyph.width * glyph.height), 0);
    if (glyph.width > 0 && glyph.height > 0) {
      stbtt_MakeCodepointBitmap(&font, coverage.data(), glyph.width, glyph.height, glyph.width,
                                scale, scale, id);
    }
    const bool inked = std::any_of(coverage.begin(), coverage.end(), [](uint8_t a) { return a != 0; });
    if (!inked) {
      // A blank (space, no-break space): nothing to place in the page.
      glyph.width = 0;
      glyph.height = 0;
      glyphs.push_back(std::move(glyph));
      continue;
    }
    glyph.xoffset = x0;
    glyph.yoffset = base + y0;
    if (options.shadow) {
      AddShadow(glyph, coverage);
    } else {
      glyph.grey.assign(coverage.size(), 255);
      glyph.alpha = std::move(coverage);
    }
    glyphs.push_back(std::move(glyph));
  }
  return !glyphs.empty();
}

// Shelf packing, tallest glyphs first (ties in character order). Answers the
// used height, or -1 when a glyph is wider than the page.
int Pack(std::vector<Glyph*>& order, int page_width) {
  int x = kSpacing;
  int y = kSpacing;
  int shelf = 0;
  for (Glyph* glyph : order) {
    if (glyph->width == 0) continue;
    if (glyph->width + 2 * kSpacing > page_width) return -1;
    if (x + glyph->width + kSpacing > page_width) {
      x = kSpacing;
      y += shelf + kSpacing;
      shelf = 0;
    }
    glyph->x = x;
    glyph->y = y;
    x += glyph->width + kSpacing;
    shelf = std::max(shelf, glyph->height);
  }
  return y + shelf + kSpacing;
}

int NextPowerOfTwo(int v) {
  int p = 1;
  while (p < v) p *= 2;
  return p;
}

std::string XmlEscape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Attr(const char* name, int value) {
  return std::string(" ") + name + "=\"" + std::to_string(value) + "\"";
}

std::string Describe(const Options& options, const std::vector<Glyph>& glyphs, int line_height,
                     int base, int page_width, int page_height) {
  std::string xml = "<?xml version=\"1.0\"?>\n<font>\n";
  xml += "  <info face=\"" + XmlEscape(options.face.empty() ? options.name : options.face) + "\"" +
         Attr("size", options.size) + Attr("bold", options.bold ? 1 : 0) + Attr("italic", 0) +
         " charset=\"\"" + Attr("unicode", 1) + Attr("stretchH", 100) + Attr("smooth", 1) +
         Attr("aa", 1) + " padding=\"0,0,0,0\" spacing=\"" + std::to_string(kSpacing) + "," +
         std::to_string(kSpacing) + "\"" + Attr("outline", 0) + "/>\n";
  xml += "  <common" + Attr("lineHeight", line_height) + Attr("base", base) +
         Attr("scaleW", page_width) + Attr("scaleH", page_height) + Attr("pages", 1) +
         Attr("packed", 0) + "/>\n";
  xml += "  <pages>\n    <page id=\"0\" file=\"" + XmlEscape(options.name) + ".png\"/>\n  </pages>\n";
  xml += "  <chars" + Attr("count", static_cast<int>(glyphs.size())) + ">\n";
  for (const Glyph& g : glyphs) {
    xml += "    <char" + Attr("id", g.id) + Attr("x", g.x) + Attr("y", g.y) + Attr("width", g.width) +
           Attr("height", g.height) + Attr("xoffset", g.xoffset) + Attr("yoffset", g.yoffset) +
           Attr("xadvance", g.xadvance) + Attr("page", 0) + Attr("chnl", 15) + "/>\n";
  }
  xml += "  </chars>\n</font>\n";
  return xml;
}

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<unsigned char>*>(context);
  const auto* bytes = static_cast<const unsigned char*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "font_generator: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: font_generator --ttf FILE --size PX --out DIR --name BASE "
                 "[--face NAME] [--bold] [--shadow]\n");
    return 2;
  }

  std::vector<unsigned char> ttf;
  if (!ReadFile(options.ttf, ttf)) return Fail("cannot read " + options.ttf);
  stbtt_fontinfo font;
  const int offset = stbtt_GetFontOffsetForIndex(ttf.data(), 0);
  if (offset < 0 || stbtt_InitFont(&font, ttf.data(), offset) == 0) {
    return Fail("not a TrueType font: " + options.ttf);
  }

  const float scale = stbtt_ScaleForMappingEmToPixels(&font, static_cast<float>(options.size));
  int ascent = 0;
  int descent = 0;
  int line_gap = 0;
  stbtt_GetFontVMetrics(&font, &ascent, &descent, &line_gap);
  const int base = static_cast<int>(std::lround(ascent * scale));
  const int line_height = static_cast<int>(std::lround((ascent - descent + line_gap) * scale));

  std::vector<Glyph> glyphs;
  if (!RenderGlyphs(font, options, scale, base, glyphs)) return Fail("no glyphs rendered");

  std::vector<Glyph*> order;
  for (Glyph& g : glyphs) order.push_back(&g);
  std::stable_sort(order.begin(), order.end(),
                   [](const Glyph* a, const Glyph* b) { return a->height > b->height; });

  // The narrowest power-of-two page, no taller than it is wide, that holds
  // every glyph.
  int page_width = 64;
  int used = -1;
  for (; page_width <= kMaxPageSide; page_width *= 2) {
    used = Pack(order, page_width);
    if (used > 0 && used <= page_width) break;
  }
  if (page_width > kMaxPageSide || used <= 0) return Fail("glyphs do not fit a page");
  const int page_height = NextPowerOfTwo(used);

  // Grey and alpha, two bytes a pixel; empty pixels are white and clear so
  // that filtering at glyph edges blends towards the ink colour.
  std::vector<unsigned char> page(static_cast<size_t>(page_width * page_height) * 2, 0);
  for (size_t i = 0; i < page.size(); i += 2) page[i] = 255;
  for (const Glyph& g : glyphs) {
    for (int y = 0; y < g.height; ++y) {
      for (int x = 0; x < g.width; ++x) {
        const size_t src = static_cast<size_t>(y * g.width + x);
        const size_t dst = (static_cast<size_t>(g.y + y) * page_width + (g.x + x)) * 2;
        page[dst] = g.grey[src];
        page[dst + 1] = g.alpha[src];
      }
    }
  }

  std::vector<unsigned char> png;
  stbi_write_png_compression_level = 9;
  if (stbi_write_png_to_func(AppendBytes, &png, page_width, page_height, 2, page.data(),
                             page_width * 2) == 0) {
    return Fail("cannot encode the page");
  }
  const std::string base_path = options.out_dir + "/" + options.name;
  if (!WriteFile(base_path + ".png", png.data(), png.size())) {
    return Fail("cannot write " + base_path + ".png");
  }
  const std::string xml = Describe(options, glyphs, line_height, base, page_width, page_height);
  if (!WriteFile(base_path + ".xml", xml.data(), xml.size())) {
    return Fail("cannot write " + base_path + ".xml");
  }
  std::printf("%s: %d glyphs, page %dx%d, line height %d\n", options.name.c_str(),
              static_cast<int>(glyphs.size()), page_width, page_height, line_height);
  return 0;
}
