#pragma once
// The command line's graphs: a new document made from the --graph arguments
// (document/GraphArgument.h), checked as the edit dialog's OK checks each shown
// slot, and sampled as OK samples, then exported, saved or printed, or
// handed to the window.

#include <QString>

class CCurvilinearscopeDoc;
struct CCommandLineInfo;

// Fills model, a new document, with the line's dimension, range and graphs
// and samples it, showing the progress on a terminal. 0 done, else the exit
// code with the message for the user: kExitOptionMistake when an argument is
// wrong (the message names it; the engine's own message has gone to standard
// error first), 1 when memory ran out.
int MakeGraphDocument(const CCommandLineInfo& info, CCurvilinearscopeDoc& model, QString& error);

// --export or --save of the sampled document; 0 done, 1 with errorText.
int RunGraphOutput(const CCommandLineInfo& info, CCurvilinearscopeDoc& model, QString& errorText);

// Moves a sampled document's definitions and records into a window's new
// document.
void MoveGraphDocument(CCurvilinearscopeDoc& from, CCurvilinearscopeDoc& to);
