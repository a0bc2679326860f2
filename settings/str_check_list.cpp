#include "settings/str_check_list.h"

#include "settings/content_type_list.h"

CStrCheckList::~CStrCheckList() = default;

void CStrCheckList::LoadDefaults(int scriptType) { m_str = tessaly::DefaultContentTypes(scriptType); }
