#pragma once

#include <QtGlobal>
#include <compare>

#include "platform/runtime/Values.h"

// Lengths of a job: twips of the host form, and whole pixels of the page
// being composed. The two never mix by accident: a length changes from one
// to the other only through a PageScale (or a factor given by name), and
// every conversion to whole pixels takes the nearest integer with halves
// to the even neighbour.

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4).
inline qint32 nearest(double value)
{
    return platform::Values::toInt32(value);
}

// Twips of a preview page's pixel: a preview page is a 96 dpi page.
constexpr double PreviewTwipsPerPixel = 15.0;

struct Twips
{
    double value = 0;
    auto operator<=>(const Twips&) const = default;
    Twips& operator+=(Twips other)
    {
        value += other.value;
        return *this;
    }
    friend Twips operator+(Twips a, Twips b) { return {a.value + b.value}; }
    friend Twips operator-(Twips a, Twips b) { return {a.value - b.value}; }
};

struct PagePx
{
    qint32 value = 0;
    auto operator<=>(const PagePx&) const = default;
    PagePx& operator+=(PagePx other)
    {
        value += other.value;
        return *this;
    }
    friend PagePx operator+(PagePx a, PagePx b) { return {a.value + b.value}; }
    friend PagePx operator-(PagePx a, PagePx b) { return {a.value - b.value}; }
};

// The scale between the host form and the page: twips per page pixel
// (15 in preview, the printer's TwipsPerPixelX when printing) and the
// job's zoom (Zoom / 100).
struct PageScale
{
    double twipsPerPixel = 15.0;
    double drawScale = 1.0;

    // Page pixels of a form length, unrounded.
    double exact(Twips length) const { return length.value / twipsPerPixel * drawScale; }
    // Page pixels of a form length, made whole.
    PagePx toPixels(Twips length) const { return {nearest(exact(length))}; }
    // A position moved down by a form length: the sum made whole.
    PagePx advance(PagePx from, Twips by) const { return {nearest(from.value + exact(by))}; }
    // Form twips of page pixels (unscaled).
    Twips toTwips(PagePx length) const { return {length.value * twipsPerPixel}; }
};

// A margin of `centimetres` at `pixelsPerCm` page pixels per centimetre,
// scaled by the zoom and made whole.
inline PagePx marginPixels(double centimetres, double pixelsPerCm, double drawScale)
{
    return {nearest(pixelsPerCm * centimetres * drawScale)};
}
