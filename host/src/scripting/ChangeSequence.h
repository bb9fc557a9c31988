// A command sequence that holds its changes only when committed: on any other way out (an error,
// the engine's error unwinding past it) everything changed inside it is rolled back.
#pragma once

#include <new>
#include <utility>

#include "CmdUtils.h"

class ChangeSequence {
 public:
  // A closed sequence (open false) changes nothing about how changes are grouped. Throws
  // std::bad_alloc when an open one cannot be had.
  explicit ChangeSequence(bool open = true)
      : fSequence(open ? CmdUtils::BeginCommandSequence() : nullptr) {
    if (open && !fSequence) throw std::bad_alloc();
  }
  ~ChangeSequence() { CmdUtils::AbortCommandSequence(fSequence); }
  ChangeSequence(const ChangeSequence&) = delete;
  ChangeSequence& operator=(const ChangeSequence&) = delete;

  void SetName(const PMString& name) {
    if (fSequence) fSequence->SetName(name);
  }
  void Commit() { CmdUtils::EndCommandSequence(std::exchange(fSequence, nullptr)); }

 private:
  ICommandSequence* fSequence;
};
