// Draws the scene background and the button images of Resource/image.
// Usage: wrenhop-artwork <outdir> (QT_QPA_PLATFORM=offscreen on a machine without a display).

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr int kDialogWidth = 500;
constexpr int kDialogHeight = 250;
// The card stops short of the image edges to leave room for its shadow; the margins stay small
// because the scenes place their texts from x 19 and their buttons down to y 221.
constexpr QRectF kCard(4.5, 3.5, 491.0, 239.0);
constexpr qreal kCardRadius = 10.0;
// Below the title, which the scenes draw at y 13 with a pixel size of 18.
constexpr qreal kHeaderBottom = 47.5;
constexpr int kShadowBlur = 2;

constexpr int kButtonWidth = 144;
constexpr int kButtonHeight = 34;
constexpr qreal kButtonRadius = 5.0;

enum class ButtonState { Normal, Pressed, Hovered, Disabled };

struct StateFile {
    ButtonState state;
    const char *suffix;
};

constexpr std::array<StateFile, 4> kStates{{
    {ButtonState::Normal, "n"},
    {ButtonState::Pressed, "p"},
    {ButtonState::Hovered, "s"},
    {ButtonState::Disabled, "d"},
}};

struct Brand {
    const char *letter;
    QRgb colour;
};

// Dark enough that the white captions keep a contrast of at least 4.5:1 at caption height in
// every state but disabled, the hovered one included.
constexpr std::array<Brand, 3> kBrands{{
    {"j", 0xff1d5bb8}, // Jortel: deep blue
    {"z", 0xff0c675f}, // Zevan: dark teal
    {"q", 0xff9b1c3a}, // Quorra: wine red
}};
constexpr QRgb kCancelColour = 0xff575e6c; // neutral slate grey

QColor mix(const QColor &from, const QColor &to, qreal amount)
{
    const auto channel = [amount](qreal a, qreal b) { return a + (b - a) * amount; };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()), channel(from.alphaF(), to.alphaF()));
}

QColor tint(const QColor &colour, qreal amount)
{
    return mix(colour, Qt::white, amount);
}

QColor shade(const QColor &colour, qreal amount)
{
    return mix(colour, Qt::black, amount);
}

QColor greyedOut(const QColor &colour)
{
    const QColor hsl = colour.toHsl();
    return QColor::fromHslF(std::max<qreal>(hsl.hslHueF(), 0.0), hsl.hslSaturationF() * 0.22, 0.70);
}

struct ButtonLook {
    QColor top;
    QColor bottom;
    QColor border;
    QColor innerEdge;
};

ButtonLook lookFor(const QColor &base, ButtonState state)
{
    switch (state) {
    case ButtonState::Normal:
        return {tint(base, 0.10), shade(base, 0.06), shade(base, 0.25), QColor(255, 255, 255, 48)};
    case ButtonState::Hovered: {
        const QColor lit = tint(base, 0.11);
        return {tint(lit, 0.10), shade(lit, 0.06), shade(base, 0.18), QColor(255, 255, 255, 64)};
    }
    case ButtonState::Pressed: {
        const QColor deep = shade(base, 0.22);
        return {shade(deep, 0.08), tint(deep, 0.03), shade(deep, 0.25), QColor(0, 0, 0, 56)};
    }
    case ButtonState::Disabled: {
        const QColor grey = greyedOut(base);
        return {tint(grey, 0.08), shade(grey, 0.03), shade(grey, 0.12), QColor(255, 255, 255, 40)};
    }
    }
    return {};
}

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage drawButton(const QColor &base, ButtonState state)
{
    QImage image = transparentImage(kButtonWidth, kButtonHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const ButtonLook look = lookFor(base, state);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5), kButtonRadius,
                         kButtonRadius);

    QLinearGradient fill(0, 0, 0, kButtonHeight);
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    painter.fillPath(shape, fill);

    // A raised button catches light on its top edge; a pressed one gets a shadow there instead.
    painter.setClipPath(shape);
    painter.setPen(QPen(look.innerEdge, 1.0));
    painter.drawLine(QPointF(0, 1.5), QPointF(kButtonWidth, 1.5));
    painter.setClipping(false);

    painter.setPen(QPen(look.border, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    return image;
}

std::vector<int> boxBlur(const std::vector<int> &source, int width, int height, int radius,
                         bool horizontal)
{
    std::vector<int> blurred(source.size());
    const int span = 2 * radius + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            int sum = 0;
            for (int k = -radius; k <= radius; ++k) {
                const int sx = horizontal ? x + k : x;
                const int sy = horizontal ? y : y + k;
                if (sx >= 0 && sx < width && sy >= 0 && sy < height)
                    sum += source[static_cast<std::size_t>(sy * width + sx)];
            }
            blurred[static_cast<std::size_t>(y * width + x)] = sum / span;
        }
    }
    return blurred;
}

// Three box passes in each direction come close to a Gaussian. The shadow is pure black, so
// only the alpha channel has to be blurred.
void blurShadow(QImage &shadow, int radius)
{
    const int width = shadow.width();
    const int height = shadow.height();
    std::vector<int> alpha(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            alpha[static_cast<std::size_t>(y * width + x)] = qAlpha(shadow.pixel(x, y));

    for (int pass = 0; pass < 3; ++pass) {
        alpha = boxBlur(alpha, width, height, radius, true);
        alpha = boxBlur(alpha, width, height, radius, false);
    }

    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            shadow.setPixel(x, y, qRgba(0, 0, 0, alpha[static_cast<std::size_t>(y * width + x)]));
}

QImage drawBackground()
{
    QImage shadow = transparentImage(kDialogWidth, kDialogHeight);
    {
        QPainter painter(&shadow);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 72));
        painter.drawRoundedRect(kCard.translated(0, 1.5), kCardRadius, kCardRadius);
    }
    blurShadow(shadow, kShadowBlur);

    QImage image = transparentImage(kDialogWidth, kDialogHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(0, 0, shadow);

    QPainterPath card;
    card.addRoundedRect(kCard, kCardRadius, kCardRadius);

    QLinearGradient body(0, kCard.top(), 0, kCard.bottom());
    body.setColorAt(0, QColor(0xff, 0xff, 0xff));
    body.setColorAt(1, QColor(0xf3, 0xf5, 0xf7));
    painter.fillPath(card, body);

    painter.setClipPath(card);
    QLinearGradient header(0, kCard.top(), 0, kHeaderBottom);
    header.setColorAt(0, QColor(0xf8, 0xf9, 0xfb));
    header.setColorAt(1, QColor(0xee, 0xf1, 0xf4));
    painter.fillRect(QRectF(kCard.left(), kCard.top(), kCard.width(), kHeaderBottom - kCard.top()),
                     header);
    painter.setPen(QPen(QColor(0xdc, 0xe0, 0xe5), 1.0));
    painter.drawLine(QPointF(kCard.left(), kHeaderBottom), QPointF(kCard.right(), kHeaderBottom));
    painter.setClipping(false);

    painter.setPen(QPen(QColor(0xc6, 0xcb, 0xd2), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(card);
    return image;
}

bool save(const QImage &image, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "wrenhop-artwork: cannot write %s\n",
                 qPrintable(QDir::toNativeSeparators(path)));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: wrenhop-artwork <outdir>\n");
        return 2;
    }

    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "wrenhop-artwork: cannot create %s\n",
                     qPrintable(QDir::toNativeSeparators(folder.path())));
        return 1;
    }

    bool written = save(drawBackground(), folder, QStringLiteral("bg_updater_alert.png"));
    for (const Brand &brand : kBrands) {
        for (const StateFile &state : kStates) {
            const QString name = QStringLiteral("btn_update02_%1_%2.png")
                                     .arg(QLatin1String(brand.letter), QLatin1String(state.suffix));
            written = save(drawButton(QColor::fromRgba(brand.colour), state.state), folder, name)
                      && written;
        }
    }
    for (const StateFile &state : kStates) {
        const QString name =
            QStringLiteral("btn_updatecancel_%1.png").arg(QLatin1String(state.suffix));
        written = save(drawButton(QColor::fromRgba(kCancelColour), state.state), folder, name)
                  && written;
    }
    return written ? 0 : 1;
}
