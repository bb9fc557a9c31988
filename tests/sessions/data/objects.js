// Walks a small catalogue: its documents and page items, their names, IDs and texts; then
// renames and rewrites the title.
var doc = app.activeDocument;
print(app.documents.length, doc === app.documents[0], doc.pageItems.length);
for (var i = 0; i < doc.pageItems.length; i++) {
  var item = doc.pageItems[i];
  print(item.name, item.id, 'contents' in item ? JSON.stringify(item.contents) : '-');
}
var title = doc.pageItems.itemByName('Title');
print(title === doc.pageItems[1], doc.pageItems.itemByName('Nothing'));
title.name = 'Heading';
title.contents = 'Summer \u00E9 😀';
print(title.contents, title.contents.length);

function attempt(what, change) {
  try {
    change();
    print(what, 'done');
  } catch (e) {
    print(what, e.name + ':', e.message);
  }
}
attempt('id', function () { title.id = 5; });
attempt('taken name', function () { title.name = 'Photo'; });
attempt('empty name', function () { title.name = ''; });
attempt('number', function () { title.contents = 5; });
attempt('no object', function () {
  Object.getOwnPropertyDescriptor(Object.getPrototypeOf(title), 'contents').get.call({});
});
attempt('no file', function () { doc.save(); });
print(doc.pageItems.itemByName('Photo').contents, title.name);
doc.save('scripted.vtd');
doc.save();
