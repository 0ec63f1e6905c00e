// Fuzz target: reading the mount table, against a plain reference.
#include "fuzz_check.h"
#include "platform/mounts.h"

#include <QFile>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// "\ooo" (three octal digits) is the byte of that number; nothing else is an escape.
QString referenceDecode(const std::string &field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto octal = [&](std::size_t j) { return j < field.size() && field[j] >= '0' && field[j] <= '7'; };
        if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return QFile::decodeName(QByteArray::fromStdString(out));
}

QList<MountEntry> referenceParse(const std::string &text)
{
    QList<MountEntry> mounts;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::vector<std::string> fields;
        std::string field;
        for (std::size_t i = start; i <= end; ++i) {
            const bool blank = i == end || text[i] == ' ' || text[i] == '\t';
            if (!blank) {
                field += text[i];
            } else if (!field.empty()) {
                fields.push_back(field);
                field.clear();
            }
        }
        start = end + 1;
        if (fields.size() >= 4 && fields[1][0] == '/')
            mounts.append({referenceDecode(fields[0]), referenceDecode(fields[1]), referenceDecode(fields[2])});
    }
    return mounts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    FUZZ_CHECK(parseMounts(QByteArrayView(text.data(), static_cast<qsizetype>(text.size()))) == referenceParse(text));
    return 0;
}
