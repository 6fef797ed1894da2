#pragma once
// How the save commands treat a document, and the save prompt that runs before a command
// replaces or closes the document.
#include <QString>
#include <functional>

// A document that has never been saved carries the bare name "NewTorvex.tv8d".
bool IsUnnamedDocument(const QString& fileName);

// What "Save" does: a new document, or one read from an older release's file (any
// extension but ".tv8d"), goes through "Save As"; a ".tv8d" document is written in place.
enum class TSaveAction { SaveAs, WriteInPlace };
TSaveAction SaveActionFor(const QString& fileName);

// The save prompt, run only when the document has unsaved changes: "Do you want to save
// any changes?" with Yes, No and Cancel. Cancel stops the command; No lets it go on; Yes
// runs the save command and lets the command go on only when the document then has a name
// (a cancelled "Save As" on a new document stops it) and the save succeeded.
class TSavePrompt {
 public:
  enum class TAnswer { Yes, No, Cancel };

  struct THooks {
    std::function<TAnswer()> Ask;
    // The save command; false when writing failed (the error was shown).
    std::function<bool()> Save;
    std::function<QString()> DocumentFileName;
  };

  // True when the command may go on.
  static bool Continue(bool dataChanged, const THooks& hooks);
};
