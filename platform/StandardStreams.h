#pragma once
// The standard streams of a console program.

namespace ampora {

// Makes standard output and standard error write the bytes they are given, line breaks
// included: a CSV's CR LF stays CR LF, a JSON's LF stays LF. (Windows' C runtime otherwise
// turns every LF into CR LF; elsewhere the streams already do this.)
void UseBinaryStandardStreams();

} // namespace ampora
