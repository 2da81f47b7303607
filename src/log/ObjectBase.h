#pragma once

// Common root of the log's value objects.
class CObjectBase {
public:
    CObjectBase() = default;
    CObjectBase(const CObjectBase&) = default;
    CObjectBase& operator=(const CObjectBase&) = default;
    virtual ~CObjectBase() = default;
};
