#pragma once

// The product's OS-interface library: language class of the system, folder names, and the
// string holder that its functions hand out.

#ifdef __cplusplus
extern "C" {
#endif

// A string holder returned by value; the text is owned by the holder until
// xfvOsStrDestruct releases it.
typedef struct OsStrSb {
  char* text;
  unsigned long length;
} OsStrSb;

// 3 when the user's locale is Japanese, 1 otherwise.
int os_get_os_lang(void);

// Writes the folder that contains `path` into `buffer` (260 bytes). 0 on success; -1
// leaves the empty text there when the folder does not fit or `path` is null.
int os_get_dir_name(const char* path, char* buffer);

// A holder with a copy of `text` (null gives the empty text).
OsStrSb xfvOsStrCreate(const char* text);

// Releases the holder's text; the holder is empty afterwards.
void xfvOsStrDestruct(OsStrSb* holder);

#ifdef __cplusplus
}
#endif

enum { OS_LANG_WESTERN = 1, OS_LANG_JAPANESE = 3, OS_DIR_NAME_BUFFER = 260 };
