// Telling a file's generation from its head line.
#include "core/filegeneration.h"

#include "core/fields.h"
#include "core/textcodec.h"

namespace mw {

std::optional<int> headVersion(std::string_view head, std::string_view title)
{
    constexpr std::string_view kVersion = " version ";
    if (!startsWith(head, title) || !startsWith(head.substr(title.size()), kVersion))
        return std::nullopt;
    const std::string_view digits = head.substr(title.size() + kVersion.size());
    if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

FileGeneration generationOf(std::string_view head, std::string_view title, int newer, bool newerRecords)
{
    const auto version = headVersion(head, title);
    if (version && *version > newer)
        return FileGeneration::Later;
    if (version && *version == newer && newerRecords)
        return FileGeneration::Newer;
    return FileGeneration::Described;
}

QString laterGenerationText(const QString& fileName, const LineArray& lines)
{
    const QString head = lines.count() > 0 ? decodeText(lines.line(1), lines.codec()) : QString();
    return QStringLiteral("%1 begins with \"%2\", a later generation of the file than this editor knows, so "
                          "nothing is written to it")
        .arg(fileName, head);
}

} // namespace mw
