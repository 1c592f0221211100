#pragma once

#include <optional>
#include <string>

class QWidget;

// The viewer's message boxes and file dialogs. The application shows them
// with the toolkit's standard boxes; tests answer them in their stead.
namespace vexplot {

struct FileDialogRequest {
  std::string title;
  std::string filterLabel;   // shown as written, e.g. "VP files(*.vpx,*.vpt)"
  std::string patterns;      // blank-separated, e.g. "*.vpx *.vpt"
  std::string directory;     // where the dialog starts
  std::string initialFile;   // proposed or current file; may be empty
  std::string defaultSuffix; // added to a name typed without one (save only)
};

class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // A question with OK and Cancel; true for OK.
  virtual bool confirm(QWidget* parent, const std::string& caption, const std::string& text) = 0;
  // A box with an OK button.
  virtual void inform(QWidget* parent, const std::string& caption, const std::string& text) = 0;
  // An existing file to open, followed by an "All files(*.*)" entry; nothing
  // when cancelled.
  virtual std::optional<std::string> chooseFileToOpen(QWidget* parent,
                                                      const FileDialogRequest& request) = 0;
  // A file to write in an existing directory; an existing file is replaced
  // only after the user agreed. Nothing when cancelled.
  virtual std::optional<std::string> chooseFileToSave(QWidget* parent,
                                                      const FileDialogRequest& request) = 0;
};

// The toolkit's message boxes and file dialogs.
class StandardDialogs final : public UserDialogs {
 public:
  bool confirm(QWidget* parent, const std::string& caption, const std::string& text) override;
  void inform(QWidget* parent, const std::string& caption, const std::string& text) override;
  std::optional<std::string> chooseFileToOpen(QWidget* parent,
                                              const FileDialogRequest& request) override;
  std::optional<std::string> chooseFileToSave(QWidget* parent,
                                              const FileDialogRequest& request) override;
};

}  // namespace vexplot
