#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "Component.h"

namespace veyra {

class TCustomForm;

// The program object: it owns the forms, runs the message loop and is the
// default handler of errors raised while messages are handled.
class TApplication : public TComponent {
    VEYRA_CLASS()
public:
    TApplication();
    ~TApplication() override;

    // Prepares the common controls; call once at start.
    void Initialize();

    // Prepares OLE on the program's window thread the first time it is
    // asked; false where the platform cannot. The web views ask before they
    // make their browser. It is not done at start: loading the OLE libraries
    // would slow every start-up, and the first paint shows no web page yet.
    bool EnsureOle();

    // Creates a form of class T owned by the application, runs its creation
    // handler, and makes it the main form if there is none yet.
    template <class T> T& CreateForm() {
        std::unique_ptr<T> form(new T(nullptr));
        InsertComponent(form.get());
        form->AfterConstruction();
        T& result = *form.release();
        AdoptForm(result);
        return result;
    }

    // The first form created; closing it ends the message loop.
    TCustomForm* MainForm() const { return MainForm_; }
    // Shows the main form and handles messages until Terminate.
    void Run();
    // Handles every message waiting in the queue, then returns.
    void ProcessMessages();
    // Waits for one message and handles it; false once the loop is to end.
    bool HandleMessage();
    // Asks the message loop to end.
    void Terminate();
    bool Terminated() const { return Terminated_; }

    // The default error handler: passes the exception being handled to
    // OnException, or shows its message. Never throws.
    void HandleException(TObject* sender) noexcept;
    // Shows an error message in a message box.
    void ShowException(const std::wstring& message) noexcept;

    // The message box used by ShowException (text, caption); replaceable, for
    // example to record the messages instead.
    using TMessageBoxFunction =
        std::function<void(const std::wstring& text, const std::wstring& caption)>;
    TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction function);

    // Takes over error handling from ShowException when assigned.
    std::function<void(TObject* sender, const std::exception_ptr& error)> OnException;

    // The title shown on error messages; the executable's name by default.
    std::wstring Title;

    void Notification(TComponent* component, TOperation operation) override;

private:
    void AdoptForm(TCustomForm& form);
    bool ProcessMessage(MSG& msg);
    bool IsDialogMessage(const MSG& msg);

    TCustomForm* MainForm_ = nullptr;
    bool Terminated_ = false;
    // Set once OLE is prepared; the destructor calls it.
    void(WINAPI* OleUninitialize_)() = nullptr;
    TMessageBoxFunction MessageBox_;
};

// The process's application object.
TApplication& Application();

// The text of an exception: what() of a standard exception, converted from UTF-8.
std::wstring ExceptionMessage(const std::exception_ptr& error);

} // namespace veyra
