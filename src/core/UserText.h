#pragma once
// Texts that come from a user or a file (names, titles, messages) as the program keeps, counts
// and shows them.
#include <QString>

// The text without control characters (tabs and line breaks included) and without line or
// paragraph separators: what is kept of a name, a title or a message typed, pasted, imported or
// given on the command line.
QString KeptText(const QString& text);
// The text in a first-strong isolate (U+2068 ... U+2069), for a text placed among others: a
// right-to-left name cannot reorder the words around it.
QString Isolated(const QString& text);
// The characters of the text as a person counts them: a letter with its accents, an emoji with
// its modifiers, a pair of surrogates, each one.
int PerceivedLength(const QString& text);
