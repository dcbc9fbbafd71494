#pragma once
// Builds components from a stored description: the root's own properties, then each nested object created by
// class name, owned by the root, with its name, its field in the root, its parent and its properties; at the
// end every component read is told Loaded.

#include "ClassInfo.h"
#include "Component.h"
#include "stream/StreamObject.h"

// Raises EReadError (naming the object and property, or the class) when the description does not fit; the
// components created before the error stay owned by the root.
void ReadComponentTree(TComponent& root, const TStreamObject& description, const TClassRegistry& classes);

// Follows the dotted `path` ("Font.Color") from `instance` through published sub-objects: returns the
// information of the last property and leaves `instance` on the object that holds it; none when a step is
// missing.
const TPropertyInfo* ResolveProperty(TPersistent*& instance, std::string_view path);

// The property `path` ("Font.Name" reaches the Name of the Font sub-object) of `instance`, in stored form.
std::optional<TStreamValue> ReadPropertyValue(TPersistent& instance, std::string_view path);
