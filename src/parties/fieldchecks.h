// The checks the two party panels run on their boxes, and the test every update applies to
// a box's text before the text goes into a record line.
#pragma once

#include "core/textcodec.h"

#include <QString>
#include <string>

namespace mw {

// Identifier and name boxes: every space becomes "_".
QString underscoreSpaces(QString text);

// The template panel's menu, Min and Max boxes: an empty box becomes "0".
QString zeroIfEmpty(const QString& text);

// The parties panel's menu box: a number (sign, fraction and exponent allowed) of 0 or more.
bool partiesMenuAccepted(const QString& text);

// An update that must leave its record alone; the text is shown as a warning.
struct UpdateRefusal {
    QString text;
};

// The bytes a box's text is stored as. A text that would split the line's fields (a space,
// a line break) or holds a character the file's encoding cannot store is refused, naming
// the box.
std::string storableText(const QString& text, const QString& box, TextCodec codec, const QString& fileName);

} // namespace mw
