#include "resources/TranslationCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>
#include <vector>

namespace ampora {
namespace {

constexpr unsigned char kMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                      0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

// Block kinds of the file, and the tags of a message, as Qt writes them.
enum Block : unsigned char {
    kContexts = 0x2f,
    kHashes = 0x42,
    kMessages = 0x69,
    kDependencies = 0x96,
};
enum Tag : unsigned char {
    kEnd = 1,
    kTranslation = 3,
    kObsolete1 = 5,
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
};

quint32 Be32(QByteArrayView bytes, qsizetype pos)
{
    return qFromBigEndian<quint32>(bytes.data() + pos);
}

// Marks the start of every message; false when the block is not a run of whole messages.
bool FindMessageStarts(QByteArrayView block, std::vector<bool>* starts)
{
    starts->assign(static_cast<std::size_t>(block.size()), false);
    qsizetype pos = 0;
    while (pos < block.size()) {
        (*starts)[static_cast<std::size_t>(pos)] = true;
        for (;;) {
            if (pos >= block.size())
                return false;
            const auto tag = static_cast<unsigned char>(block[pos++]);
            if (tag == kEnd)
                break;
            if (tag == kObsolete1) {
                if (block.size() - pos < 4)
                    return false;
                pos += 4;
                continue;
            }
            if (tag != kTranslation && tag != kSourceText && tag != kContext && tag != kComment)
                return false;
            if (block.size() - pos < 4)
                return false;
            const quint32 length = Be32(block, pos);
            pos += 4;
            if (length > static_cast<quint64>(block.size() - pos) || (tag == kTranslation && length % 2 != 0))
                return false;
            pos += static_cast<qsizetype>(length);
        }
    }
    return true;
}

// Entries of eight bytes (hash, message offset), sorted by hash, each offset a message start.
bool HashesSound(QByteArrayView hashes, const std::vector<bool>& starts)
{
    if (hashes.size() % 8 != 0)
        return false;
    quint32 previous = 0;
    for (qsizetype pos = 0; pos < hashes.size(); pos += 8) {
        const quint32 hash = Be32(hashes, pos);
        const quint32 offset = Be32(hashes, pos + 4);
        if (hash < previous || offset >= starts.size() || !starts[offset])
            return false;
        previous = hash;
    }
    return true;
}

// A table of 16-bit entries after its 16-bit size; each non-zero entry leads (in 16-bit steps
// past the table) to a chain of counted names ending in a zero count, all inside the block.
bool ContextsSound(QByteArrayView contexts)
{
    if (contexts.size() < 2)
        return false;
    const quint16 tableSize = qFromBigEndian<quint16>(contexts.data());
    const qsizetype chains = 2 + 2 * qsizetype{tableSize};
    if (tableSize == 0 || chains > contexts.size())
        return false;
    std::vector<bool> good(static_cast<std::size_t>(contexts.size()), false); // checked chain positions
    for (qsizetype entry = 2; entry < chains; entry += 2) {
        const quint16 offset = qFromBigEndian<quint16>(contexts.data() + entry);
        if (offset == 0)
            continue;
        std::vector<qsizetype> walked;
        for (qsizetype pos = chains + 2 * qsizetype{offset};;) {
            if (pos >= contexts.size())
                return false;
            if (good[static_cast<std::size_t>(pos)])
                break;
            walked.push_back(pos);
            const auto length = static_cast<unsigned char>(contexts[pos]);
            if (length == 0)
                break;
            pos += 1 + length;
        }
        for (const qsizetype pos : walked)
            good[static_cast<std::size_t>(pos)] = true;
    }
    return true;
}

} // namespace

bool IsSoundTranslationModule(QByteArrayView bytes)
{
    if (bytes.size() < qsizetype{sizeof kMagic} || bytes.size() > kMaxTranslationModuleBytes
        || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
        return false;
    QByteArrayView blocks[256];
    bool seen[256] = {};
    for (qsizetype pos = sizeof kMagic; pos < bytes.size();) {
        if (bytes.size() - pos < 5)
            return false;
        const auto tag = static_cast<unsigned char>(bytes[pos]);
        const quint32 length = Be32(bytes, pos + 1);
        pos += 5;
        // Qt stops reading at a zero tag or length, and would then miss the blocks after it.
        if (tag == 0 || length == 0 || length > static_cast<quint64>(bytes.size() - pos) || seen[tag])
            return false;
        seen[tag] = true;
        blocks[tag] = bytes.sliced(pos, static_cast<qsizetype>(length));
        pos += static_cast<qsizetype>(length);
    }
    if (seen[kDependencies] || (seen[kHashes] && !seen[kMessages]))
        return false;
    std::vector<bool> starts;
    if (seen[kMessages] && !FindMessageStarts(blocks[kMessages], &starts))
        return false;
    if (seen[kHashes] && !HashesSound(blocks[kHashes], starts))
        return false;
    return !seen[kContexts] || ContextsSound(blocks[kContexts]);
}

QByteArray ReadSoundTranslationModule(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(kMaxTranslationModuleBytes + 1);
    if (file.error() != QFileDevice::NoError || !IsSoundTranslationModule(bytes))
        return {};
    return bytes;
}

} // namespace ampora
