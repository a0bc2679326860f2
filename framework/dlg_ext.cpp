#include "framework/dlg_ext.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "os/karvil32/karvil32.h"
#include "platform/crt/text.h"
#include "platform/window/window.h"

namespace {

// "ＭＳ Ｐゴシック" in code page 932.
constexpr const char kJapaneseFace[] = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";
constexpr const char kWesternFace[] = "MS Sans Serif";

constexpr int kOkId = IDOK;
constexpr int kCancelId = IDCANCEL;

void CreateIfEmpty(CFont& font, int height, int weight, const std::string& face, BYTE charSet) {
  if (font.GetSafeHandle()) return;
  font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, charSet, 0, 0, 0, 0, face.c_str());
}

std::string ClassName(CWnd& window, int bufferSize) {
  std::string name(static_cast<std::size_t>(bufferSize), '\0');
  name.resize(static_cast<std::size_t>(GetClassNameA(window.m_hWnd, name.data(), bufferSize)));
  return name;
}

}  // namespace

CDlgExt::CDlgExt() : m_nOsLanguage(os_get_os_lang()) {}

CDlgExt::~CDlgExt() {
  m_fontLocal.DeleteObject();
  m_fontLarge.DeleteObject();
  m_fontNormal.DeleteObject();
  m_fontBold.DeleteObject();
}

int CDlgExt::InitExtension() {
  std::string face = kWesternFace;
  BYTE charSet = ANSI_CHARSET;
  ChooseFace(face, charSet);
  CreateFonts(face, charSet);
  if (m_nFeatures & kFeatureReadOnly) ApplyReadOnly();
  if (m_nFeatures & kFeatureClassFonts) ApplyClassFonts();
  if (m_nFeatures & kFeatureReservedRange) ApplyReservedRange();
  return 1;
}

void CDlgExt::ChooseFace(std::string& face, BYTE& charSet) {
  m_nFontLanguage = 0;
  LOGFONTA record{};
  CGdiObject* font = GetDialogFont();
  if (font && font->GetObject(sizeof(record), &record)) {
    if (record.lfCharSet == ANSI_CHARSET)
      m_nFontLanguage = OS_LANG_WESTERN;
    else if (record.lfCharSet == SHIFTJIS_CHARSET)
      m_nFontLanguage = OS_LANG_JAPANESE;
    face.assign(record.lfFaceName, strnlen(record.lfFaceName, LF_FACESIZE));
    charSet = record.lfCharSet;
  } else {
    m_nFontLanguage = os_get_os_lang();
    if (m_nFontLanguage == OS_LANG_JAPANESE) {
      face = kJapaneseFace;
      charSet = SHIFTJIS_CHARSET;
    }
  }
  if (WantsClassFonts()) {
    face = kJapaneseFace;
    charSet = SHIFTJIS_CHARSET;
  }
}

void CDlgExt::CreateFonts(const std::string& face, BYTE charSet) {
  CreateIfEmpty(m_fontBold, 8, FW_HEAVY, face, charSet);
  CreateIfEmpty(m_fontNormal, 8, FW_NORMAL, face, charSet);
  CreateIfEmpty(m_fontLarge, 13, FW_DONTCARE, face, charSet);
  m_pEditFont = m_pComboFont = m_pListFont = nullptr;
  if (m_nOsLanguage != OS_LANG_JAPANESE) return;
  CreateIfEmpty(m_fontLocal, 13, FW_DONTCARE, face, charSet);
  // Every set-up points the class fonts at the local font, so that a window created again
  // gets them as the first one did.
  if (m_fontLocal.GetSafeHandle()) m_pEditFont = m_pComboFont = m_pListFont = &m_fontLocal;
}

bool CDlgExt::WantsClassFonts() const {
  return m_nOsLanguage == OS_LANG_JAPANESE && m_nFontLanguage == OS_LANG_WESTERN;
}

bool CDlgExt::IsRestricted(int id) const {
  const int count = std::clamp(m_nRestrictCount, 0, kMaxRestrictIds);
  return std::find(m_nRestrictIds, m_nRestrictIds + count, id) != m_nRestrictIds + count;
}

void CDlgExt::ApplyReadOnly() {
  if (!m_bReadOnly || !(m_nRestrictCount || m_bCloseOnly || m_bAllControls)) return;
  int visited = 0;
  for (CWnd* child = GetFirstControl(); child && visited < kMaxWalk; child = child->GetNextWindow(), ++visited) {
    const std::string name = ClassName(*child, 258);
    const int id = child->GetDlgCtrlID();
    if (!m_bAllControls && !IsRestricted(id)) continue;
    if (platform::crt::EqualsIgnoringCase(name, "Static")) continue;
    if (platform::crt::EqualsIgnoringCase(name, "Edit")) {
      child->EnableWindow(FALSE);
      child->SendMessage(EM_SETREADONLY, 1);
      continue;
    }
    if (platform::crt::EqualsIgnoringCase(name, "Button")) {
      if (id == kCancelId && m_bCloseOnly) {
        child->ShowWindow(SW_HIDE);
        continue;
      }
      if (id == kOkId || id == static_cast<int>(ID_HELP)) continue;
      if ((child->GetStyle() & 7) == 7) continue;  // a group box
    }
    child->EnableWindow(FALSE);
  }
  if (!m_bCloseOnly) return;
  if (CWnd* ok = GetControl(kOkId)) {
    // Without the host's caption the button keeps the one it has rather than going blank.
    CString caption;
    if (caption.LoadString(kCloseCaptionId)) ok->SetWindowText(caption);
  }
}

void CDlgExt::ApplyClassFonts() {
  int visited = 0;
  for (CWnd* child = GetFirstControl(); child && visited < kMaxWalk; child = child->GetNextWindow(), ++visited) {
    const std::string name = ClassName(*child, 12);
    if (name == "Button" || !WantsClassFonts()) continue;
    if (name == "Edit" || name == "Static")
      child->SetFont(m_pEditFont, TRUE);
    else if (name == "ComboBox")
      child->SetFont(m_pComboFont, TRUE);
    else if (name == "ListBox")
      child->SetFont(m_pListFont, TRUE);
  }
}

void CDlgExt::ApplyReservedRange() {
  for (int id = kReservedFirst; id <= kReservedLast; ++id) {
    CWnd* control = GetControl(id);
    if (!control) continue;
    control->ShowWindow(m_nReservedShow);
    control->SetFont(&m_fontLarge, TRUE);
  }
}
