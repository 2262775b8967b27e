#pragma once
// What the two table documents share: the document head and footer, the cell templates, the
// clock of the footer, and the steps from an empty document to a finished one. A document is
// built by Reset, then AddTable (of the kind of document) once per table, then EndDocument; the
// finished text stays in the writer until the next Reset.
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace views {

// The local date and time a document is stamped with.
using LocalClock = std::function<std::tm()>;
std::tm CurrentLocalTime();
// "%d.%m.20%y %H:%M:%S", as every table stamps its time.
std::string FormatTableTime(const std::tm& time);

class CTableDocumentHtml {
 public:
  virtual ~CTableDocumentHtml() = default;

  // Empties the document, loads the templates, stamps the footer with the clock's time and
  // starts the document with its head.
  void Reset();
  void StartDocument();
  void BuildFooter();
  // Appends the footer: the document is then complete.
  void EndDocument();
  std::string GetHtml() const { return document_; }

  // The time the footer was stamped with at the last Reset.
  const std::tm& GetCreatedTime() const { return createdTime_; }
  void SetClock(LocalClock clock) { clock_ = std::move(clock); }

 protected:
  CTableDocumentHtml() = default;

  // The frame of one table, with its placeholders.
  virtual std::string TableTemplate() const = 0;
  // The head of a table's frame (its header table), whose CNS and OTU line is given.
  static std::string TableHeadTemplate(const char* cnsAndOtuLine);
  // Puts the header's fields into the frame, each first passed through decorate (field index
  // from 0, text) .
  static void FillHeader(std::string& frame, const std::string& header,
                         const std::function<std::string(std::size_t, const std::string&)>& decorate);
  // The text in the red of a value over its limit, when red is set.
  static std::string InRed(const std::string& text, bool red);
  virtual void LoadCellTemplates();

  // Puts the page break before every table but the first and counts the table.
  void BeginTable();
  // The header fields that the over-limit flags mark.
  static constexpr std::size_t kCnsField = 4;
  static constexpr std::size_t kOtuField = 5;
  // The opening of a table's body: the row and cell that hold its segment table.
  static constexpr const char* kBodyStart = "<tr>\n<td>\n<table border=\"1\" cellpadding=\"5\" width=\"100%\">\n";

  // One cell of cellTemplate per field of the "~"-separated text, the placeholder replaced.
  static void AppendCells(std::string& body, const std::string& fields, const std::string& cellTemplate,
                          const char* placeholder);
  // A row of heading cells, one per field of the headings text.
  static void AppendHeadingRow(std::string& body, const std::string& headings, const std::string& cellTemplate);
  // The data rows after element 0 of rows, each opened by the opening chosen for its index.
  void AppendDataRows(std::string& body, const std::vector<std::string>& rows,
                      const std::function<std::string(std::size_t)>& opening) const;
  // Fills the table's frame and appends it to the document.
  void AppendTable(std::string frame, const std::string& body, const std::string& footerText);

  std::string document_;
  std::string title_;
  std::string author_;
  std::string backgroundColour_;
  std::string textColour_;
  std::string link_;
  std::string linkText_;
  std::string head_;
  std::string footer_;
  std::string table_;
  std::string headingCell_;
  std::string dataCell_;
  int tableCount_ = 0;

 private:
  LocalClock clock_ = CurrentLocalTime;
  std::tm createdTime_{};
};

// Replaces every occurrence of from in text by to.
void ReplaceAll(std::string& text, const std::string& from, const std::string& to);

}  // namespace views
