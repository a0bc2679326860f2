#pragma once

// The extension that every settings tab and framework dialog carries beside its window
// class: once the window is initialised it presents it read-only when its holder asked for
// that, gives its controls the class fonts on a Japanese system, and shows or hides the
// reserved range of controls. It knows its owner only through the four window hooks.

#include "platform/afx/afx_string.h"
#include "platform/afx/font.h"
#include "platform/afx/wnd.h"

class CDlgExt {
 public:
  static constexpr int kMaxWalk = 200;
  static constexpr int kMaxRestrictIds = 200;
  static constexpr int kReservedFirst = 20500;
  static constexpr int kReservedLast = 20549;
  static constexpr UINT kCloseCaptionId = 20430;
  static constexpr int kFeatureReadOnly = 1;
  static constexpr int kFeatureReservedRange = 2;
  static constexpr int kFeatureClassFonts = 4;

  CDlgExt();
  CDlgExt(const CDlgExt&) = delete;
  CDlgExt& operator=(const CDlgExt&) = delete;
  virtual ~CDlgExt();

  virtual CWnd* GetFirstControl() { return nullptr; }
  virtual void GetCaption(CString&) {}
  virtual CWnd* GetControl(int) { return nullptr; }
  virtual CGdiObject* GetDialogFont() { return nullptr; }

  // Chooses the fonts and runs the passes of m_nFeatures; always 1.
  int InitExtension();

  int m_bReadOnly = 0;
  int m_nRestrictIds[kMaxRestrictIds] = {};
  int m_nRestrictCount = 0;
  int m_bCloseOnly = 1;
  int m_bAllControls = 1;
  int m_nReservedShow = 0;
  int m_nOsLanguage;
  int m_nFontLanguage = 1;
  int m_nFeatures = 7;
  CFont m_fontBold;
  CFont m_fontNormal;
  CFont m_fontLarge;
  CFont m_fontLocal;
  CFont* m_pEditFont = nullptr;
  CFont* m_pComboFont = nullptr;
  CFont* m_pListFont = nullptr;

 protected:
  void ApplyReadOnly();
  void ApplyClassFonts();
  void ApplyReservedRange();

 private:
  void ChooseFace(std::string& face, BYTE& charSet);
  void CreateFonts(const std::string& face, BYTE charSet);
  bool IsRestricted(int id) const;
  bool WantsClassFonts() const;
};
