// Creating and processing commands, and grouping them into sequences.
#pragma once

#include "ICommand.h"
#include "ICommandSequence.h"

class HOST_API CmdUtils {
 public:
  // A new command of the class with one reference, or null when the class is unknown or is no
  // command.
  static ICommand* CreateCommand(ClassID commandClass);
  // Runs the command: Do, then, when Do left no error, DoNotify. A command that is not inside a
  // sequence is one undo step named by its CreateName; a kAutoUndo command joins the step before
  // it. When Do or DoNotify sets the global error code, throws, or meets a refused allocation
  // (kOutOfMemoryError), the command's changes are undone, scopes it left open are closed, and
  // the code is answered (and stays set). The global error code is cleared before Do.
  static ErrorCode ProcessCommand(ICommand* command);
  // Opens a sequence, or answers null when memory runs out; end every sequence begun, innermost
  // first.
  static ICommandSequence* BeginCommandSequence();
  // Ends the sequence and releases it; null is ignored.
  static void EndCommandSequence(ICommandSequence* sequence);
  // Undoes what the commands of the sequence changed, ends it without a step and releases it;
  // null is ignored.
  static void AbortCommandSequence(ICommandSequence* sequence);
};
