#pragma once
// The transparent copy written pixel by pixel, straight from its rule: every
// destination pixel inside the Buffer takes the image pixel at the same
// offset, or the background where that pixel is of the image's transparent
// colour or lies beyond the image. The library puts cards by copying runs
// prepared in advance; the tests hold its results against this.
#include "cardlib/lucardimages.h"

#include <QImage>

inline void ReferenceTransparentCopy(QImage& Dest, const TLuRect& DestRect, const TLuCardImage& Source, int SrcX,
                                     int SrcY, QRgb Background)
{
    const QImage& Picture = Source.Picture;
    const QRgb Key = Source.TransparentColor & RGB_MASK;
    const QRgb Fill = Background | 0xFF000000;
    for (int Y = DestRect.Top; Y < DestRect.Bottom; ++Y) {
        for (int X = DestRect.Left; X < DestRect.Right; ++X) {
            if (X < 0 || Y < 0 || X >= Dest.width() || Y >= Dest.height())
                continue;
            const int SX = X - DestRect.Left + SrcX;
            const int SY = Y - DestRect.Top + SrcY;
            QRgb Out = Fill;
            if (SX >= 0 && SY >= 0 && SX < Picture.width() && SY < Picture.height()) {
                const QRgb Pixel = Picture.pixel(SX, SY);
                if ((Pixel & RGB_MASK) != Key)
                    Out = Pixel | 0xFF000000;
            }
            Dest.setPixel(X, Y, Out);
        }
    }
}

// What a card image looks like on a background: the Width x Height rectangle
// of the image from (SrcX, SrcY), copied by the rule above.
inline QImage ReferenceCopy(const TLuCardImage& Image, int SrcX, int SrcY, int Width, int Height, QRgb Background)
{
    QImage Out(Width, Height, QImage::Format_RGB32);
    ReferenceTransparentCopy(Out, {0, 0, Width, Height}, Image, SrcX, SrcY, Background);
    return Out;
}
