#pragma once

#include <QByteArray>
#include <QtGlobal>

// As many first bytes of a file as RunsHere reads.
inline constexpr qint64 ProgramHeaderBytes = 64;

// Whether a file is a program this computer can start, judged by its first
// bytes (header) and its size against the header of a program running here
// (reference): an ELF executable of the same word size, byte order and
// machine, whose tables of segments and sections lie within the file. An
// error page saved in its place, a program for another kind of computer, an
// object file or a download cut short is not.
bool RunsHere(const QByteArray& header, qint64 fileSize, const QByteArray& reference);
