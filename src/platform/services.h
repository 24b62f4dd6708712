#pragma once

// The platform services a window works through, handed in by whoever builds it: src/app/ hands
// in the real ones, tests hand in fakes that record. Each must outlive the window.
namespace clvt {

class Clipboard;
class MessageBoxes;
class RegistryApi;
class Shell;

struct Services {
  MessageBoxes& messages;
  Clipboard& clipboard;
  Shell& shell;           // opens the web links
  RegistryApi& registry;  // keeps the settings between runs
};

}  // namespace clvt
