// The "render" command of the pximg developer tool:
//   pximg render IN OUT.png --size WxH
// draws an icon or metafile into a white W x H bitmap (metafiles stretched
// over it, icons at their own size at the top left) and writes it as PNG.
// Without --size the picture's own size is used. Needs a QGuiApplication
// (the offscreen platform will do) so that metafile text has fonts.
#pragma once

#include <QStringList>

// arguments: what follows the word "render". Prints the error text to
// standard error and returns non-zero on failure.
int runRenderCommand(const QStringList &arguments);
