#include "upgrade/ProgramCheck.h"

#include <QtEndian>

namespace {

// The fields of an ELF file header that tell what the file is, by their
// place in the header (ELF32 / ELF64).
constexpr int ClassByte = 4; // 1: 32-bit, 2: 64-bit
constexpr int OrderByte = 5; // 1: little-endian, 2: big-endian
constexpr int VersionByte = 6; // 1, the only version
constexpr int TypeAt = 16;
constexpr int MachineAt = 18;
constexpr quint16 Executable = 2;
constexpr quint16 PositionIndependent = 3; // also what a shared library is

struct Tables {
    quint64 segmentsAt, segmentSize, segments;
    quint64 sectionsAt, sectionSize, sections;
};

class Header {
public:
    explicit Header(const QByteArray& bytes)
        : mBytes(bytes)
    {
    }

    bool isElf() const
    {
        return mBytes.startsWith("\177ELF") && (wide() || at(ClassByte) == 1)
            && (at(OrderByte) == 1 || at(OrderByte) == 2) && at(VersionByte) == 1
            && mBytes.size() >= (wide() ? 64 : 52);
    }
    bool wide() const { return at(ClassByte) == 2; }
    bool sameKindAs(const Header& other) const
    {
        return at(ClassByte) == other.at(ClassByte) && at(OrderByte) == other.at(OrderByte)
            && number(MachineAt, 2) == other.number(MachineAt, 2);
    }
    bool startable() const
    {
        const quint64 type = number(TypeAt, 2);
        return type == Executable || type == PositionIndependent;
    }
    Tables tables() const
    {
        if (wide())
            return {number(32, 8), number(54, 2), number(56, 2), number(40, 8), number(58, 2), number(60, 2)};
        return {number(28, 4), number(42, 2), number(44, 2), number(32, 4), number(46, 2), number(48, 2)};
    }

private:
    int at(int i) const { return i < mBytes.size() ? static_cast<unsigned char>(mBytes[i]) : -1; }
    quint64 number(int offset, int size) const
    {
        const auto* p = reinterpret_cast<const uchar*>(mBytes.constData() + offset);
        const bool little = at(OrderByte) == 1;
        switch (size) {
        case 2:
            return little ? qFromLittleEndian<quint16>(p) : qFromBigEndian<quint16>(p);
        case 4:
            return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
        default:
            return little ? qFromLittleEndian<quint64>(p) : qFromBigEndian<quint64>(p);
        }
    }

    const QByteArray& mBytes;
};

// A table of count entries of entrySize bytes from offset lies within the
// file, counted without overflow.
bool within(quint64 offset, quint64 entrySize, quint64 count, quint64 fileSize)
{
    return offset <= fileSize && entrySize * count <= fileSize - offset;
}

} // namespace

bool RunsHere(const QByteArray& header, qint64 fileSize, const QByteArray& reference)
{
    const Header file(header);
    const Header here(reference);
    if (fileSize <= 0 || !file.isElf() || !here.isElf() || !file.sameKindAs(here) || !file.startable())
        return false;
    const Tables t = file.tables();
    const auto size = static_cast<quint64>(fileSize);
    // A program is started by its segments; the sections, where there are
    // any, come last in the file, so a download cut short loses them first.
    return t.segments > 0 && within(t.segmentsAt, t.segmentSize, t.segments, size)
        && (t.sectionsAt == 0 || within(t.sectionsAt, t.sectionSize, t.sections, size));
}
