// vantelleTagData, a page item's whole tag data as hexadecimal text: what each kind of value
// written gives, and that a failed write leaves the data as it was.
var items = app.activeDocument.pageItems;
var frame = items.itemByName('Frame');
print('new item', JSON.stringify(frame.vantelleTagData));
var writes = [
  ['two bytes', '0a 1B'],
  ['white space inside a byte', '0\tA\r\n1\nb'],
  ['an invalid digit', '0A1G'],
  ['an odd count of digits', '0A1'],
  ['no digits', ' \n'],
];
writes.forEach(function (write) {
  try {
    frame.vantelleTagData = write[1];
    print(write[0], 'gives', JSON.stringify(frame.vantelleTagData));
  } catch (e) {
    print(write[0], 'fails:', e.message, 'and leaves', JSON.stringify(frame.vantelleTagData));
  }
  frame.vantelleTagData = '0A1B';
});
// A list with a data frame marker record, AQM1, and one without.
items.itemByName('Frame').vantelleTagData = '0000000A 00000001 00000002 41514D31 0100';
items.itemByName('Group').vantelleTagData = '0000000A00000001000000024141414101 00';
