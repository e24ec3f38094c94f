// A dialog window built from a numbered template and run modally.
#pragma once

#include "platform/Wnd.h"

class CDialog : public CWnd {
  public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr)
        : m_nIDTemplate(templateId), m_pParentWnd(parent)
    {
    }

    static const MessageMap* GetThisMessageMap();
    const MessageMap* GetMessageMap() const override;

    // Runs the dialog until it ends; returns the ending command (IDOK,
    // IDCANCEL, ...).
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    // The backend calls this once the window and its controls exist.
    virtual BOOL OnInitDialog();

    UINT GetTemplateId() const { return m_nIDTemplate; }
    // The window that owns this dialog: its parent, or else the main window.
    CWnd* GetOwner() const;

  protected:
    virtual void OnOK();
    virtual void OnCancel();
    void DefWindowProc(const MSG& msg) override;

  private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
};
