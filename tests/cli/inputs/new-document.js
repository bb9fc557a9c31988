// What `vantelle script` shows a script run on a new document; then the script stops.
print(app.documents.length, app.activeDocument.pageItems.length);
throw new Error("stopped");
