#pragma once
// The exclusive hold of a document folder for one analysis. The engine writes fixed-name
// scratch files and reads the run-file list names.dat in the folder, so two runs there at
// once would spoil each other's results; each run holds the lock file "torvex-run.lock" in
// the folder while it runs. The command-line runner holds the same file in the same layout
// (RunLock.h), so the two keep each other out of a folder.
//
// The lock file is a QLockFile: created exclusively, kept under an advisory lock (flock)
// while held, holding the process id, application and host name. A lock left behind by a
// process that was killed is recognised (its process no longer runs, its advisory lock is
// gone) and taken over; the age of a lock never counts, since a large run may take minutes.
// The lock is released when the object goes, on every way out of a run.
#include <QString>
#include <memory>

#include "RunLock.h"

class QLockFile;

class TRunLock {
 public:
  static constexpr const char* kLockFileName = tvx::run::kRunLockFileName;

  enum class TResult {
    Locked,       // the folder is held by this object
    Busy,         // another run holds the folder
    CannotWrite,  // no file can be created in the folder
  };

  TRunLock();
  ~TRunLock();
  TRunLock(const TRunLock&) = delete;
  TRunLock& operator=(const TRunLock&) = delete;

  // Tries once, without waiting. A lock already held by this object is released first.
  TResult Acquire(const QString& folder);
  bool Held() const;
  const QString& Folder() const { return fFolder; }
  // Why the folder could not be written, after CannotWrite.
  const QString& Reason() const { return fReason; }
  void Release();

 private:
  std::unique_ptr<QLockFile> fLock;
  QString fFolder;
  QString fReason;
};
