// A help topic as the page the help viewer shows.
#pragma once

#include <QString>

class HelpFile;
struct HelpTopic;

// Blank lines separate paragraphs; a line "== Heading" is a heading and a
// line starting with "- " begins a list item, wherever they stand (plain
// lines after an item continue it); [[N]] and [[N|text]] link to topic N
// ("topic:N") when the file holds it, and are plain text otherwise.
QString topicHtml(const HelpTopic &topic, const HelpFile &file);
