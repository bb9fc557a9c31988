// Reads and writes the tag data of every page item of a catalogue through vantelleTagData, the
// property the Vantelle plug-in adds to page items: the item's whole record list as hex text.
//
// A record list is an 8-byte head (the length of the records and a format version, both 4-byte
// big-endian numbers) and then the records, each a 4-byte data length, a 4-character key and the
// data. The data frame marker is the record with key AQM1.

function readList(hex) {
  var records = [];
  if (hex === '') return records;
  var end = 16 + 2 * parseInt(hex.substr(0, 8), 16);
  for (var at = 16; at < end;) {
    var length = parseInt(hex.substr(at, 8), 16);
    var key = '';
    for (var k = 0; k < 4; k++) key += String.fromCharCode(parseInt(hex.substr(at + 8 + 2 * k, 2), 16));
    records.push({key: key, data: hex.substr(at + 16, 2 * length)});
    at += 16 + 2 * length;
  }
  return records;
}

function hex32(n) {
  return ('0000000' + n.toString(16)).slice(-8);
}

function writeList(records) {
  var body = '';
  records.forEach(function (r) {
    var key = '';
    for (var k = 0; k < 4; k++) key += hex32(r.key.charCodeAt(k)).slice(-2);
    body += hex32(r.data.length / 2) + key + r.data;
  });
  return hex32(body.length / 2) + '00000001' + body;
}

// The data as text, for records that hold text.
function textOf(data) {
  var text = '';
  for (var i = 0; i < data.length && data.substr(i, 2) !== '00'; i += 2) {
    text += String.fromCharCode(parseInt(data.substr(i, 2), 16));
  }
  return text;
}

function describe(item) {
  var records = readList(item.vantelleTagData);
  if (records.length === 0) return item.name + ': no tag data';
  return item.name + ': ' + records.map(function (r) {
    // A marker's data: a 2-byte version, then the frame ID.
    var shown = r.key === 'AQM1' ? 'data frame ' + textOf(r.data.substr(4)) : textOf(r.data);
    return r.key + ' "' + shown + '"';
  }).join(', ');
}

var items = app.activeDocument.pageItems;
print('Before:');
items.forEach(function (item) { print('  ' + describe(item)); });

// Every item that is no data frame gets a NOTE record naming its page item ID; the records it
// has already stay.
items.forEach(function (item) {
  var records = readList(item.vantelleTagData);
  if (records.some(function (r) { return r.key === 'AQM1'; })) return;
  var note = '';
  var text = 'item ' + item.id;
  for (var i = 0; i < text.length; i++) note += hex32(text.charCodeAt(i)).slice(-2);
  records.push({key: 'NOTE', data: note});
  item.vantelleTagData = writeList(records);
});

print('After:');
items.forEach(function (item) { print('  ' + describe(item)); });
