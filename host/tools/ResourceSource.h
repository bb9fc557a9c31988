// The text form of a plug-in's resources, the one its developers write. One statement a line;
// words are separated by blanks; "#" outside a quoted text begins a comment; quoted texts know the
// escapes \" \\ \n \r \t and \u{HEX}. Numbers are decimal or hexadecimal with "0x".
//
//   plugin 0x182900 "Vantelle Module"       the plug-in's ID and name (once, in one file)
//   class CLASS [parent CLASS]              a class; each line up to "end" binds an interface
//     INTERFACE IMPLEMENTATION              to an implementation
//   end
//   addin CLASS                             further bindings for a class defined elsewhere
//     INTERFACE IMPLEMENTATION
//   end
//   strings                                 string keys and their English texts
//     KEY "text"
//   end
//   data TYPE ID "file"                     a data resource: TYPE is a four-character code,
//                                           the file's path is relative to the source file
//   menu ACTION CLASS "text"                a menu entry: choosing it sends the action to the
//                                           IActionComponent of an object of CLASS
//   view ID CLASS L,T,R,B "title"           a dialog's view (Menus.h, ViewResource.h): CLASS
//     KIND WIDGET L,T,R,B "text"            is the dialog's class, then one widget a line
//     list WIDGET L,T,R,B "item"...         KIND is static, field, check or button; a list
//     panel WIDGET L,T,R,B "title"          has items; a panel holds the widgets up to its
//     end                                   "end". WIDGET is a number (0 for none), or ok or
//   end                                     cancel for the standard buttons. Bounds are whole
//                                           points with L < R and T < B
//   picture TYPE ID "file"                  a data resource compiled from a picture source
//                                           (PictureSource.h): TYPE is ICON or BMAP
//   scripting                               properties the plug-in adds to scripting objects:
//     property NAME id ID type TYPE on OBJECT-TYPE[,OBJECT-TYPE...] provider CLASS [read-only]
//   end                                     NAME is a JavaScript name, ID four characters, TYPE
//                                           string, integer, real, boolean or object, the object
//                                           types application, document, page-item, text-frame;
//                                           CLASS, defined in the sources, binds IScriptProvider
#pragma once

#include <string>
#include <vector>

#include "plugins/PlugInResources.h"

namespace ResourceSource {

// Parses the text of one source file into resources, adding to what they hold. sourcePath names
// the file in messages ("path:line: problem") and locates data files. Answers false at the first
// problem.
bool Parse(const std::string& text, const std::string& sourcePath, PlugInResources* resources,
           std::string* error);

// Reads and parses source files into one plug-in's resources, and checks what the files must say
// together: the plug-in is named once, no class, string key or data resource comes twice, and
// each scripting property's provider class is defined with IScriptProvider.
bool CompileFiles(const std::vector<std::string>& paths, PlugInResources* resources,
                  std::string* error);

}  // namespace ResourceSource
