#include "shared/formula.h"

#include <algorithm>
#include <memory>

namespace vado::formula {

namespace {

// Proportions of a line of text, from its top: where the baseline and the fraction bar sit.
constexpr double kBaseline = 0.78;
constexpr double kAxis = 0.50;
constexpr double kScript = 0.7;    // size of an exponent or subscript
constexpr double kRaise = 0.38;    // an exponent's baseline above the base's, in lines
constexpr double kLower = 0.22;    // a subscript's baseline below it
constexpr double kLineGap = 0.45;  // between stacked lines

struct Node;
using Nodes = std::vector<std::unique_ptr<Node>>;

struct Node {
    enum class Kind { Text, Row, Sup, Sub, Frac, Sqrt } kind = Kind::Text;
    std::string text;
    Nodes parts;  // Row: its items; Sup, Sub, Sqrt: one; Frac: numerator and denominator
};

// --- reading the notation ---

class Reader {
  public:
    explicit Reader(const std::string& s) : s_(s) {}

    std::unique_ptr<Node> row(bool inGroup) {
        auto r = std::make_unique<Node>();
        r->kind = Node::Kind::Row;
        std::string text;
        auto flush = [&] {
            if (text.empty()) return;
            auto t = std::make_unique<Node>();
            t->text = std::move(text);
            r->parts.push_back(std::move(t));
            text.clear();
        };
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c == '}' && inGroup) {
                ++i_;
                break;
            }
            if (c == '^' || c == '_') {
                flush();
                ++i_;
                auto n = std::make_unique<Node>();
                n->kind = c == '^' ? Node::Kind::Sup : Node::Kind::Sub;
                n->parts.push_back(argument());
                r->parts.push_back(std::move(n));
            } else if (c == '{') {
                flush();
                ++i_;
                r->parts.push_back(row(true));
            } else if (s_.compare(i_, 6, "\\frac{") == 0) {
                flush();
                i_ += 5;
                auto n = std::make_unique<Node>();
                n->kind = Node::Kind::Frac;
                n->parts.push_back(argument());
                n->parts.push_back(argument());
                r->parts.push_back(std::move(n));
            } else if (s_.compare(i_, 6, "\\sqrt{") == 0) {
                flush();
                i_ += 5;
                auto n = std::make_unique<Node>();
                n->kind = Node::Kind::Sqrt;
                n->parts.push_back(argument());
                r->parts.push_back(std::move(n));
            } else {
                text += c;
                ++i_;
            }
        }
        flush();
        return r;
    }

  private:
    // A group in braces, or the one character (a whole UTF-8 sequence) that follows.
    std::unique_ptr<Node> argument() {
        if (i_ < s_.size() && s_[i_] == '{') {
            ++i_;
            return row(true);
        }
        auto t = std::make_unique<Node>();
        if (i_ < s_.size()) {
            size_t n = 1;
            while (i_ + n < s_.size() && (static_cast<unsigned char>(s_[i_ + n]) & 0xC0) == 0x80)
                ++n;
            t->text = s_.substr(i_, n);
            i_ += n;
        }
        return t;
    }

    const std::string& s_;
    size_t i_ = 0;
};

std::unique_ptr<Node> Parse(const std::string& s) {
    Reader r(s);
    return r.row(false);
}

// --- measuring and drawing ---

// Extent of a node about its baseline.
struct Box {
    double width = 0, ascent = 0, descent = 0;
};

class Typesetter {
  public:
    explicit Typesetter(ui::Surface& s) : s_(s) {}

    Box measure(const Node& n, double size) { return lay(n, size, 0, 0, false); }
    void draw(const Node& n, double size, double x, double baseline) {
        lay(n, size, x, baseline, true);
    }

  private:
    double line(double size) {
        s_.setFontSize(size);
        return s_.TextHeight("X");
    }

    // Measures the node set at size, its baseline at y; draws it there when `ink`.
    Box lay(const Node& n, double size, double x, double y, bool ink) {
        const double h = line(size);
        switch (n.kind) {
            case Node::Kind::Text: {
                s_.setFontSize(size);
                Box b{s_.TextWidth(n.text), kBaseline * h, (1 - kBaseline) * h};
                if (ink) {
                    s_.setCurrentX(x);
                    s_.setCurrentY(y - b.ascent);
                    s_.PrintInline(n.text);
                }
                return b;
            }
            case Node::Kind::Row: {
                Box b{0, kBaseline * h, (1 - kBaseline) * h};
                for (auto& p : n.parts) {
                    Box pb = lay(*p, size, x + b.width, y, ink);
                    b.width += pb.width;
                    b.ascent = std::max(b.ascent, pb.ascent);
                    b.descent = std::max(b.descent, pb.descent);
                }
                return b;
            }
            case Node::Kind::Sup:
            case Node::Kind::Sub: {
                const bool up = n.kind == Node::Kind::Sup;
                const double shift = (up ? -kRaise : kLower) * h;
                Box pb = lay(*n.parts[0], size * kScript, x, y + shift, ink);
                return {pb.width, std::max(0.0, pb.ascent - shift),
                        std::max(0.0, pb.descent + shift)};
            }
            case Node::Kind::Frac: {
                const double gap = 0.12 * h, pad = 0.15 * h;
                const double inner = size * 0.9;
                Box num = lay(*n.parts[0], inner, 0, 0, false);
                Box den = lay(*n.parts[1], inner, 0, 0, false);
                const double width = std::max(num.width, den.width) + 2 * pad;
                const double bar = y - (kBaseline - kAxis) * h;
                if (ink) {
                    lay(*n.parts[0], inner, x + (width - num.width) / 2, bar - gap - num.descent,
                        true);
                    lay(*n.parts[1], inner, x + (width - den.width) / 2, bar + gap + den.ascent,
                        true);
                    s_.Line(x + pad / 3, bar, x + width - pad / 3, bar);
                }
                return {width, (y - bar) + gap + num.ascent + num.descent,
                        (bar - y) + gap + den.ascent + den.descent};
            }
            case Node::Kind::Sqrt: {
                Box in = lay(*n.parts[0], size, 0, 0, false);
                const double sign = 0.55 * h, gap = 0.1 * h, pad = 0.12 * h;
                const double top = y - in.ascent - gap;
                if (ink) {
                    lay(*n.parts[0], size, x + sign + pad, y, true);
                    // A short stroke down, a long one up to the bar, the bar over the radicand.
                    const double kneeX = x + sign * 0.45, bottom = y + in.descent;
                    s_.Line(x, y - 0.35 * h, x + sign * 0.18, y - 0.42 * h);
                    s_.Line(x + sign * 0.18, y - 0.42 * h, kneeX, bottom);
                    s_.Line(kneeX, bottom, x + sign, top);
                    s_.Line(x + sign, top, x + sign + pad + in.width + pad, top);
                }
                return {sign + pad + in.width + pad, y - top + gap / 2, in.descent};
            }
        }
        return {};
    }

    ui::Surface& s_;
};

// Restores the font and print position a drawing routine found.
class Keep {
  public:
    explicit Keep(ui::Surface& s) : s_(s), font_(s.font()), x_(s.CurrentX()), y_(s.CurrentY()) {}
    ~Keep() {
        s_.setFont(font_);
        s_.setCurrentX(x_);
        s_.setCurrentY(y_);
    }
    Keep(const Keep&) = delete;
    Keep& operator=(const Keep&) = delete;

  private:
    ui::Surface& s_;
    ui::Font font_;
    double x_, y_;
};

struct Laid {
    std::vector<std::unique_ptr<Node>> nodes;
    std::vector<Box> boxes;
    Extent extent;
};

Laid LayOut(Typesetter& t, const std::vector<std::string>& lines, double size, double lineHeight) {
    Laid l;
    for (size_t i = 0; i < lines.size(); ++i) {
        l.nodes.push_back(Parse(lines[i]));
        l.boxes.push_back(t.measure(*l.nodes.back(), size));
        const Box& b = l.boxes.back();
        l.extent.width = std::max(l.extent.width, b.width);
        l.extent.height += b.ascent + b.descent + (i > 0 ? kLineGap * lineHeight : 0);
    }
    return l;
}

void Linearise(const Node& n, std::string& out) {
    auto group = [&](const Node& g) {
        std::string inner;
        Linearise(g, inner);
        out += inner.size() > 1 ? "(" + inner + ")" : inner;
    };
    switch (n.kind) {
        case Node::Kind::Text:
            out += n.text;
            break;
        case Node::Kind::Row:
            for (auto& p : n.parts) Linearise(*p, out);
            break;
        case Node::Kind::Sup:
            out += "^";
            group(*n.parts[0]);
            break;
        case Node::Kind::Sub:
            Linearise(*n.parts[0], out);
            break;
        case Node::Kind::Frac:
            group(*n.parts[0]);
            out += " / ";
            group(*n.parts[1]);
            break;
        case Node::Kind::Sqrt:
            out += "\u221a";
            out += "(";
            Linearise(*n.parts[0], out);
            out += ")";
            break;
    }
}

}  // namespace

Extent Measure(ui::Surface& s, const std::vector<std::string>& lines) {
    Keep keep(s);
    Typesetter t(s);
    const double size = s.FontSize();
    return LayOut(t, lines, size, s.TextHeight("X")).extent;
}

void Draw(ui::Surface& s, const std::vector<std::string>& lines, double x, double y, bool centred) {
    Keep keep(s);
    Typesetter t(s);
    const double size = s.FontSize();
    const double lineHeight = s.TextHeight("X");
    Laid l = LayOut(t, lines, size, lineHeight);
    for (size_t i = 0; i < l.nodes.size(); ++i) {
        const Box& b = l.boxes[i];
        const double left = centred ? x + (l.extent.width - b.width) / 2 : x;
        t.draw(*l.nodes[i], size, left, y + b.ascent);
        y += b.ascent + b.descent + kLineGap * lineHeight;
    }
}

std::string Linear(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        if (!out.empty()) out += "; ";
        Linearise(*Parse(line), out);
    }
    return out;
}

void Show(ui::PictureBox& box, std::vector<std::string> lines, bool centred) {
    // A formula on a page reads a little larger than the captions around it.
    constexpr double kLarger = 1.25;
    box.paper = false;
    box.onMeasure = [lines](ui::Surface& s, double& width, double& height) {
        Keep keep(s);
        s.setFontSize(s.FontSize() * kLarger);
        const Extent e = Measure(s, lines);
        // A little margin so the radical's bar and the descenders are never clipped.
        const double margin = s.TextHeight("X") * 0.4;
        width = e.width + 2 * margin;
        height = e.height + 2 * margin;
    };
    box.onPaint = [lines = std::move(lines), centred](ui::Surface& s, double width, double height) {
        Keep keep(s);
        s.setFontSize(s.FontSize() * kLarger);
        const Extent e = Measure(s, lines);
        Draw(s, lines, centred ? (width - e.width) / 2 : s.TextHeight("X") * 0.4,
             (height - e.height) / 2, centred);
    };
}

}  // namespace vado::formula
