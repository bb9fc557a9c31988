// Request 1354 from a session script, the form of the request command that assigns a data frame
// without a dialog:
//
//   request 1354 NAME frame-id=S type=T name=S scope=C match-name=B match-frame-id=B hint=B
//
// T, C and B are 16-bit whole numbers, passed to the module as they stand.
#pragma once

#include "SessionCommand.h"

// The options that only request 1354 takes, as the request command's usage line lists them.
#define kAssignRequestOptions \
  "[frame-id=S] [name=S] [scope=C] [match-name=B] [match-frame-id=B] [hint=B]"

// Whether the call gives any option that only request 1354 takes.
bool HasAssignRequestOptions(const SessionCall& call);

// Sends request 1354 for the page item NAME and prints result=R. A call without NAME or without
// every option is a script error.
void AssignRequest(ScriptSession& session, const SessionCall& call);
