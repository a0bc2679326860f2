#pragma once

// The root of the framework's objects: what the object lists hold and what the host
// deletes through.

class CObject {
 public:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
  virtual ~CObject() = default;
};
