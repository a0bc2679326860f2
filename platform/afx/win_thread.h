#pragma once

// The application's user-interface thread as the framework knows it: its main window.

class CWnd;

class CWinThread {
 public:
  CWnd* m_pMainWnd = nullptr;
};

// The one user-interface thread of the process.
CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();
