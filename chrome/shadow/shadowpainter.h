#pragma once

#include "shadowslices.h"

#include <QCache>
#include <QPair>

#include <memory>

class QPainter;

// Paints a window's shadow band from eight slices kept per window size class
// and device pixel ratio, so that a resize costs a few blits. The window's
// frame owns it and paints it while the band shows.
class ShadowPainter final
{
public:
    explicit ShadowPainter(std::unique_ptr<ShadowSliceSource> source);
    ~ShadowPainter();
    ShadowPainter(const ShadowPainter &) = delete;
    ShadowPainter &operator=(const ShadowPainter &) = delete;

    // Paints the shadow around `content` with the slices for the window's
    // `ratio`, mapped to the device pixels the painter draws in.
    void paint(QPainter &painter, const QRect &content, qreal ratio);

private:
    struct Key
    {
        qreal ratio;
        QSize size;
        bool operator==(const Key &other) const { return ratio == other.ratio && size == other.size; }
    };
    friend uint qHash(const Key &key, uint seed)
    {
        return qHash(key.ratio, seed) ^ qHash(qMakePair(key.size.width(), key.size.height()), seed);
    }

    const ShadowSlices &slices(const QSize &size, qreal ratio);

    std::unique_ptr<ShadowSliceSource> m_source;
    QCache<Key, ShadowSlices> m_cache;
};
