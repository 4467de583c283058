// SPDX-License-Identifier: GPL-3.0-or-later
// Prompts that ask nothing: every message box answers OK and every prompt or
// chooser is cancelled. For the benchmarks and fuzz targets, which must run
// unattended and record nothing; a test that looks at the questions uses
// ScriptedPrompts instead.
#pragma once

#include <cstdint>
#include <string>

#include "ports/prompts.h"

class SilentPrompts final : public Prompts {
 public:
  TMessageButton Message(TMessageKind, const std::string&, uint8_t, int) override { return mbOk; }
  bool InputText(const std::string&, const std::string&, std::string&) override { return false; }
  bool ChooseColor(int32_t&) override { return false; }
  bool ChooseOpenFile(const std::string&, std::string&) override { return false; }
  bool ChooseSaveFile(const std::string&, std::string&) override { return false; }
};
