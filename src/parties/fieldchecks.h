// The checks the two party panels run on their boxes, and the refusals of their updates.
#pragma once

#include "core/messages.h"
#include "core/records.h"

#include <QString>

namespace mw {

// Identifier and name boxes: every space becomes "_".
QString underscoreSpaces(QString text);

// The template panel's menu, Min and Max boxes: an empty box becomes "0".
QString zeroIfEmpty(const QString& text);

// The parties panel's menu box: a number (sign, fraction and exponent allowed) of 0 or more.
bool partiesMenuAccepted(const QString& text);

// The warning of an update that left its record alone.
Message refusalMessage(const QString& text);

// The warning of an update that left its record alone because a box's text cannot go into
// `fileName`.
Message refusalMessage(const TextEncoder::Failure& failure, const QString& fileName);

} // namespace mw
