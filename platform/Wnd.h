// Windows of the framework: a window receives messages through its message
// table; its controls are reached by ID; it owns timers and can show message
// boxes. The window itself lives in the backend.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/CString.h"
#include "platform/ClientPart.h"
#include "platform/MessageMap.h"

class CWnd;

// Direction of a data exchange between edits and string members.
class CDataExchange {
  public:
    CDataExchange(CWnd* wnd, BOOL saveAndValidate)
        : m_pDlgWnd(wnd), m_bSaveAndValidate(saveAndValidate)
    {
    }
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Moves text between edit `id` and `value`: into the member when saving,
// into the edit otherwise.
void DDX_Text(CDataExchange* pDX, int id, CString& value);

class CMenu {
  public:
    BOOL AppendMenu(UINT flags, UINT id = 0, const char* text = nullptr);

  private:
    friend class CWnd;
    CWnd* m_pOwner = nullptr;
};

class CWnd {
  public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // Routes one message through the message tables, then to the default.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // True while the window exists in the backend.
    bool IsWindow() const { return m_bCreated; }
    void SetCreated(bool created) { m_bCreated = created; }

    // A control of this window; never null, and harmless if the control or
    // the window does not exist.
    CWnd* GetDlgItem(int id);
    int GetDlgCtrlID() const { return m_nID; }

    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled();
    void SetWindowText(const char* text);
    void GetWindowText(CString& text);

    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);
    UINT SetTimer(UINT id, UINT elapseMs, void* unused = nullptr);
    BOOL KillTimer(UINT id);
    CWnd* SetCapture();
    BOOL IsIconic();
    void GetClientRect(CRect* rect);
    HICON SetIcon(HICON icon, BOOL big);
    CMenu* GetSystemMenu(BOOL revert);

    // --- Parts of the client area (kept by the window itself) --------------
    // Declares part `part.id` anew, or changes it; the backend hears of it
    // only when something changed.
    void SetClientPart(const ClientPart& part);
    void RemoveClientPart(int id);
    const std::vector<ClientPart>& GetClientParts() const { return m_parts; }
    // The part with ID `id`, or null.
    const ClientPart* FindClientPart(int id) const;
    // The ID of the part that holds the keyboard focus; 0 when none does.
    int GetFocusedPart();
    // News a screen reader speaks at once: a warning, a noted row.
    void Announce(const char* text);
    // An alert: assistive technology reads the window as one as it opens.
    void SetAlert(bool alert) { m_bAlert = alert; }
    bool IsAlert() const { return m_bAlert; }
    // The name assistive technology gives control `id` when its caption
    // does not say what it is (an edit beside a unit); empty when none.
    void SetAccessibleName(int id, const char* name);
    std::string AccessibleName(int id) const;

  protected:
    // What happens to a message no table entry handles.
    virtual void DefWindowProc(const MSG& msg);
    // Default processing of the message being handled now.
    LRESULT Default();

  private:
    CWnd* TopLevel() { return m_pParent ? m_pParent : this; }

    CWnd* m_pParent = nullptr; // set on the control proxies of a window
    int m_nID = 0;
    bool m_bCreated = false;
    MSG m_currentMsg;
    CMenu m_systemMenu;
    std::map<int, std::unique_ptr<CWnd>> m_controls;
    std::vector<ClientPart> m_parts;
    std::map<int, std::string> m_accessibleNames;
    bool m_bAlert = false;
};

// Negative while key `nVirtKey` (VK_SHIFT, say) is held down as the message
// being handled was sent, as the classic call reports it.
short GetKeyState(int nVirtKey);

// Releases the pointer capture of whichever window holds it.
BOOL ReleaseCapture();
