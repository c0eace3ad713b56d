#include "InkCompare.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace testsupport {

namespace {

using Ink = std::vector<QPoint>;

Ink inkOf(const QImage& image, QRect box, const IsInk& isInk) {
    Ink ink;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (image.rect().contains(x, y) && isInk(image.pixel(x, y))) {
                ink.push_back({x - box.left(), y - box.top()});
            }
        }
    }
    return ink;
}

QPointF centre(const Ink& ink) {
    QPointF sum;
    for (const QPoint& p : ink) {
        sum += p;
    }
    return ink.empty() ? sum : sum / double(ink.size());
}

// The share of `ink`, moved by `shift`, within `near` pixels of `other`.
double covered(const Ink& ink, QPoint shift, const Ink& other, QSize size, int near) {
    const int width = size.width() + 2 * near;
    std::vector<char> close(std::size_t(width) * std::size_t(size.height() + 2 * near), 0);
    const auto at = [&](int x, int y) -> char& {
        return close[std::size_t(y + near) * std::size_t(width) + std::size_t(x + near)];
    };
    for (const QPoint& p : other) {
        for (int dy = -near; dy <= near; ++dy) {
            for (int dx = -near; dx <= near; ++dx) {
                at(p.x() + dx, p.y() + dy) = 1;
            }
        }
    }
    std::size_t hits = 0;
    for (const QPoint& p : ink) {
        const QPoint q = p + shift;
        hits += q.x() >= -near && q.y() >= -near && q.x() < size.width() + near &&
                q.y() < size.height() + near && at(q.x(), q.y());
    }
    return ink.empty() ? 0 : double(hits) / double(ink.size());
}

} // namespace

std::string InkMatch::describe() const {
    char text[160];
    std::snprintf(text, sizeof text, "ink %zu against %zu, moved %d,%d, covered %.2f and %.2f", ink,
                  expectedInk, shift.x(), shift.y(), covered, expectedCovered);
    return text;
}

InkMatch compareInk(const QImage& picture, QRect box, const QImage& reference, QRect referenceBox,
                    const IsInk& isInk, bool centred, int near) {
    const Ink ink = inkOf(picture, box, isInk);
    const Ink expected = inkOf(reference, referenceBox, isInk);
    InkMatch match;
    match.ink = ink.size();
    match.expectedInk = expected.size();
    if (centred) {
        const QPointF offset = centre(expected) - centre(ink);
        match.shift = {int(std::lround(offset.x())), int(std::lround(offset.y()))};
    }
    const QSize size = box.size().expandedTo(referenceBox.size());
    match.covered = covered(ink, match.shift, expected, size, near);
    match.expectedCovered = covered(expected, -match.shift, ink, size, near);
    match.same = match.expectedInk > 20 && match.covered >= 0.9 && match.expectedCovered >= 0.9;
    return match;
}

bool isPrinted(QRgb colour) {
    return qGray(colour) < 248;
}

TicketMatch compareTicket(const QImage& printed, const QImage& expected,
                          const report::Report& ticket, double dotsPerInch,
                          const std::vector<std::string>& labels) {
    TicketMatch match;
    const auto pixels = [&](double tenths) { return int(std::lround(tenths * dotsPerInch / 254)); };
    for (const report::Label& label : ticket.titleBand.labels) {
        const bool named = std::find(labels.begin(), labels.end(), label.name) != labels.end();
        if (labels.empty() ? label.text.empty() : !named) {
            continue;
        }
        const QRect box(pixels(label.left), pixels(ticket.page.topMargin + label.top),
                        pixels(label.width), pixels(label.height));
        const InkMatch inLabel = compareInk(printed, box, expected, box, isPrinted, false, 3);
        match.description += label.name + ": " + inLabel.describe() + "\n";
        match.same = match.same && inLabel.same;
    }
    return match;
}

} // namespace testsupport
