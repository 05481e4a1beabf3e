<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>host::Document</name>
    <message>
        <location filename="../../host/JobOptions.cpp" line="173"/>
        <source>Test Page</source>
        <translation>テストページ</translation>
    </message>
</context>
<context>
    <name>host::CupsWorker</name>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="36"/>
        <source>nothing answers there</source>
        <translation>応答がありません</translation>
    </message>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="40"/>
        <source>unknown host</source>
        <translation>不明なホスト</translation>
    </message>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="43"/>
        <source>cannot reach the print server %1 (%2)</source>
        <translation>プリントサーバー %1 に接続できません（%2）</translation>
    </message>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="84"/>
        <source>the print server %1 answered: %2</source>
        <translation>プリントサーバー %1 の応答：%2</translation>
    </message>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="128"/>
        <source>cannot fetch the printer description of %1: %2</source>
        <translation>%1 のプリンター記述ファイルを取得できません：%2</translation>
    </message>
    <message>
        <location filename="../../host/CupsWorker.cpp" line="137"/>
        <source>the printer description of %1 is unreadable: %2</source>
        <translation>%1 のプリンター記述ファイルを読み取れません：%2</translation>
    </message>
</context>
<context>
    <name>host::PresetStore</name>
    <message>
        <location filename="../../host/Presets.cpp" line="61"/>
        <source>the file is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="65"/>
        <source>%1 at byte %2</source>
        <translation>%1（%2 バイト目）</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="66"/>
        <source>not a settings object</source>
        <translation>設定データではありません</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="69"/>
        <source>unknown format version</source>
        <translation>不明な形式のバージョンです</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="75"/>
        <source>missing or mistyped entries</source>
        <translation>項目が欠けているか、型が正しくありません</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="79"/>
        <source>setting %1 is not text</source>
        <translation>設定 %1 がテキストではありません</translation>
    </message>
    <message>
        <location filename="../../host/Presets.cpp" line="85"/>
        <source>a marked choice is not a keyword and a choice</source>
        <translation>選択項目がキーワードと選択肢の組ではありません</translation>
    </message>
</context>
<context>
    <name>host::PrintDialog</name>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="55"/>
        <location filename="../../host/PrintDialog.cpp" line="133"/>
        <source>Save to File</source>
        <translation>ファイルに保存</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="112"/>
        <source>Looking for printers on %1…</source>
        <translation>%1 のプリンターを探しています…</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="122"/>
        <source>Print “%1”</source>
        <translation>「%1」を印刷</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="124"/>
        <location filename="../../host/PrintDialog.cpp" line="308"/>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="126"/>
        <source>Print Anyway</source>
        <translation>このまま印刷</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="172"/>
        <location filename="../../host/PrintDialog.cpp" line="674"/>
        <source>Printer:</source>
        <translation>プリンター：</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="182"/>
        <location filename="../../host/PrintDialog.cpp" line="676"/>
        <source>Copies:</source>
        <translation>部数：</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="190"/>
        <location filename="../../host/PrintDialog.cpp" line="675"/>
        <source>Job name:</source>
        <translation>ジョブ名：</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="227"/>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="260"/>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="260"/>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="268"/>
        <location filename="../../host/PrintDialog.cpp" line="600"/>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="294"/>
        <location filename="../../host/PrintDialog.cpp" line="295"/>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="298"/>
        <source>Summary...</source>
        <translation>概要...</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="304"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="343"/>
        <source>%1 (default)</source>
        <translation>%1（デフォルト）</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="371"/>
        <source>%1. Save to File still works.</source>
        <translation>%1。「ファイルに保存」は引き続き使用できます。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="373"/>
        <source>There is no printer named “%1” on %2.</source>
        <translation>%2 に「%1」という名前のプリンターはありません。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="376"/>
        <source>No printers on %1.</source>
        <translation>%1 にプリンターがありません。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="421"/>
        <location filename="../../host/PrintDialog.cpp" line="451"/>
        <source>The printer description cannot be read.</source>
        <translation>プリンター記述ファイルを読み取れません。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="446"/>
        <source>%1; the options shown are the bundled ones.</source>
        <translation>%1。同梱のオプションを表示しています。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="480"/>
        <source>The saved settings of %1 are damaged; the defaults are shown. They are replaced when you print. (%2)</source>
        <translation>「%1」の保存された設定が壊れているため、デフォルトを表示しています。印刷すると置き換えられます。（%2）</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="528"/>
        <source>This panel could not be loaded.</source>
        <translation>このパネルを読み込めませんでした。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="541"/>
        <source>&lt;p style=&apos;font-size:large&apos;&gt;No options for %1&lt;/p&gt;&lt;p&gt;The Orvan printer extension offers no panels for this printer. The job is printed with the printer&apos;s defaults.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:large&apos;&gt;%1 のオプションはありません&lt;/p&gt;&lt;p&gt;Orvan プリンター拡張機能には、このプリンター用のパネルがありません。ジョブはプリンターのデフォルト設定で印刷されます。&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="598"/>
        <source>Printer Options</source>
        <translation>プリンターオプション</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="673"/>
        <source>Job</source>
        <translation>ジョブ</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="677"/>
        <source>Document:</source>
        <translation>書類：</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="682"/>
        <source>(nothing to report)</source>
        <translation>（報告事項なし）</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="712"/>
        <source>Conflicting options: %1</source>
        <translation>競合するオプション：%1</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="729"/>
        <source>Sending to %1…</source>
        <translation>%1 に送信中…</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="730"/>
        <source>Loading the options of %1…</source>
        <translation>%1 のオプションを読み込み中…</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="764"/>
        <source>No help is available.</source>
        <translation>ヘルプはありません。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="764"/>
        <source>The printer extension has no help book.</source>
        <translation>プリンター拡張機能にヘルプブックがありません。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="770"/>
        <source>Orvan Printer Help</source>
        <translation>Orvan プリンターヘルプ</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="823"/>
        <source>Some of the chosen options conflict with each other.</source>
        <translation>選択したオプションの一部が互いに競合しています。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="824"/>
        <source>%1

The printer may ignore some of them. Print anyway?</source>
        <translation>%1

プリンターが一部のオプションを無視する可能性があります。このまま印刷しますか？</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="839"/>
        <source>The document could not be saved.</source>
        <translation>書類を保存できませんでした。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="870"/>
        <source>%1: not all of it could be written (is the disk full?)</source>
        <translation>%1：すべてを書き込めませんでした（ディスクがいっぱいではありませんか？）</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="912"/>
        <source>The print server gave no reason.</source>
        <translation>プリントサーバーから理由が返されませんでした。</translation>
    </message>
    <message>
        <location filename="../../host/PrintDialog.cpp" line="913"/>
        <source>The job could not be sent to %1.</source>
        <translation>ジョブを %1 に送信できませんでした。</translation>
    </message>
</context>
</TS>
