<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>host::Document</name>
    <message>
        <source>Test Page</source>
        <translation>テストページ</translation>
    </message>
</context>
<context>
    <name>host::CupsWorker</name>
    <message>
        <source>nothing answers there</source>
        <translation>応答がありません</translation>
    </message>
    <message>
        <source>unknown host</source>
        <translation>不明なホスト</translation>
    </message>
    <message>
        <source>cannot reach the print server %1 (%2)</source>
        <translation>プリントサーバー %1 に接続できません（%2）</translation>
    </message>
    <message>
        <source>the print server %1 answered: %2</source>
        <translation>プリントサーバー %1 の応答：%2</translation>
    </message>
    <message>
        <source>cannot fetch the printer description of %1: %2</source>
        <translation>%1 のプリンター記述ファイルを取得できません：%2</translation>
    </message>
    <message>
        <source>the printer description of %1 is unreadable: %2</source>
        <translation>%1 のプリンター記述ファイルを読み取れません：%2</translation>
    </message>
</context>
<context>
    <name>host::PresetStore</name>
    <message>
        <source>the file is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>%1 at byte %2</source>
        <translation>%1（%2 バイト目）</translation>
    </message>
    <message>
        <source>not a settings object</source>
        <translation>設定データではありません</translation>
    </message>
    <message>
        <source>unknown format version</source>
        <translation>不明な形式のバージョンです</translation>
    </message>
    <message>
        <source>missing or mistyped entries</source>
        <translation>項目が欠けているか、型が正しくありません</translation>
    </message>
    <message>
        <source>setting %1 is not text</source>
        <translation>設定 %1 がテキストではありません</translation>
    </message>
    <message>
        <source>a marked choice is not a keyword and a choice</source>
        <translation>選択項目がキーワードと選択肢の組ではありません</translation>
    </message>
</context>
<context>
    <name>host::PrintDialog</name>
    <message>
        <source>Save to File</source>
        <translation>ファイルに保存</translation>
    </message>
    <message>
        <source>Looking for printers on %1…</source>
        <translation>%1 のプリンターを探しています…</translation>
    </message>
    <message>
        <source>Print “%1”</source>
        <translation>「%1」を印刷</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Print Anyway</source>
        <translation>このまま印刷</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>プリンター：</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>部数：</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>ジョブ名：</translation>
    </message>
    <message>
        <source>%1. Save to File still works.</source>
        <translation>%1。「ファイルに保存」は引き続き使用できます。</translation>
    </message>
    <message>
        <source>There is no printer named “%1” on %2.</source>
        <translation>%2 に「%1」という名前のプリンターはありません。</translation>
    </message>
    <message>
        <source>No printers on %1.</source>
        <translation>%1 にプリンターがありません。</translation>
    </message>
    <message>
        <source>The printer description cannot be read.</source>
        <translation>プリンター記述ファイルを読み取れません。</translation>
    </message>
    <message>
        <source>%1; the options shown are the bundled ones.</source>
        <translation>%1。同梱のオプションを表示しています。</translation>
    </message>
    <message>
        <source>The saved settings of %1 are damaged; the defaults are shown. They are replaced when you print. (%2)</source>
        <translation>「%1」の保存された設定が壊れているため、デフォルトを表示しています。印刷すると置き換えられます。（%2）</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-size:large&apos;&gt;No options for %1&lt;/p&gt;&lt;p&gt;The Orvan printer extension offers no panels for this printer. The job is printed with the printer&apos;s defaults.&lt;/p&gt;</source>
        <translation>&lt;p style=&apos;font-size:large&apos;&gt;%1 のオプションはありません&lt;/p&gt;&lt;p&gt;Orvan プリンター拡張機能には、このプリンター用のパネルがありません。ジョブはプリンターのデフォルト設定で印刷されます。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>ジョブ</translation>
    </message>
    <message>
        <source>Document:</source>
        <translation>書類：</translation>
    </message>
    <message>
        <source>Conflicting options: %1</source>
        <translation>競合するオプション：%1</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>%1 に送信中…</translation>
    </message>
    <message>
        <source>Loading the options of %1…</source>
        <translation>%1 のオプションを読み込み中…</translation>
    </message>
    <message>
        <source>No help is available.</source>
        <translation>ヘルプはありません。</translation>
    </message>
    <message>
        <source>The printer extension has no help book.</source>
        <translation>プリンター拡張機能にヘルプブックがありません。</translation>
    </message>
    <message>
        <source>Orvan Printer Help</source>
        <translation>Orvan プリンターヘルプ</translation>
    </message>
    <message>
        <source>Some of the chosen options conflict with each other.</source>
        <translation>選択したオプションの一部が互いに競合しています。</translation>
    </message>
    <message>
        <source>%1

The printer may ignore some of them. Print anyway?</source>
        <translation>%1

プリンターが一部のオプションを無視する可能性があります。このまま印刷しますか？</translation>
    </message>
    <message>
        <source>The document could not be saved.</source>
        <translation>書類を保存できませんでした。</translation>
    </message>
    <message>
        <source>The print server gave no reason.</source>
        <translation>プリントサーバーから理由が返されませんでした。</translation>
    </message>
    <message>
        <source>The job could not be sent to %1.</source>
        <translation>ジョブを %1 に送信できませんでした。</translation>
    </message>

    <message>
        <source>The job cannot be printed as it is set up.</source>
        <translation>現在の設定ではこのジョブを印刷できません。</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル：</translation>
    </message>
    <message>
        <source>chosen when you print</source>
        <translation>印刷時に選択</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式：</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文書</translation>
    </message>
    <message>
        <source>Printer data</source>
        <translation>プリンターデータ</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>%1 を保存しています…</translation>
    </message>
    <message>
        <source>Saving %1: %2…</source>
        <translation>%1 を保存しています：%2…</translation>
    </message>
    <message>
        <source>Stopped; nothing was written.</source>
        <translation>中止しました。何も書き込まれていません。</translation>
    </message>
    <message>
        <source>Keeping the settings…</source>
        <translation>設定を保存しています…</translation>
    </message>
    <message>
        <source>Reading the secret store…</source>
        <translation>キーリングを読み込んでいます…</translation>
    </message>
</context>
<context>
    <name>PrintDialogForm</name>
    <message>
        <source>Printer:</source>
        <translation>プリンター：</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>部数：</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>ジョブ名：</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>The pane pop-up: its caption is the page shown</comment>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Summary...</source>
        <translation>概要...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル：</translation>
    </message>
</context>
<context>
    <name>host::SummaryPage</name>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>(nothing to report)</source>
        <translation>（報告事項なし）</translation>
    </message>
</context>
<context>
    <name>host::PaneStack</name>
    <message>
        <source>This panel could not be loaded.</source>
        <translation>このパネルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Printer Options</source>
        <translation>プリンターオプション</translation>
    </message>
</context>
<context>
    <name>host::FileJob</name>
    <message>
        <source>not all of it could be written (is the disk full?)</source>
        <translation>すべてを書き込めませんでした（ディスクがいっぱいではありませんか？）</translation>
    </message>
    <message>
        <source>CUPS&apos;s cupsfilter (%1) is not installed, and the document cannot be run through the printer&apos;s filters without it. It comes with the Debian package cups.</source>
        <translation>CUPS の cupsfilter（%1）がインストールされていないため、文書をプリンターのフィルターで処理できません。cupsfilter は Debian パッケージ cups に含まれています。</translation>
    </message>
    <message>
        <source>cupsfilter could not be started: %1</source>
        <translation>cupsfilter を起動できませんでした：%1</translation>
    </message>
    <message>
        <source>The filter %1, which the printer description names, is not installed.</source>
        <translation>プリンター記述が指定するフィルター %1 がインストールされていません。</translation>
    </message>
    <message>
        <source>The filter %1 failed:</source>
        <translation>フィルター %1 が失敗しました：</translation>
    </message>
    <message>
        <source>cupsfilter stopped unexpectedly.</source>
        <translation>cupsfilter が予期せず終了しました。</translation>
    </message>
    <message>
        <source>cupsfilter failed with status %1:</source>
        <translation>cupsfilter がステータス %1 で失敗しました：</translation>
    </message>
    <message>
        <source>The filters made no data from the document.</source>
        <translation>フィルターは文書からデータを作成しませんでした。</translation>
    </message>
</context>
<context>
    <name>host::DestinationModel</name>
    <message>
        <source>Save to File</source>
        <translation>ファイルに保存</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <translation>%1（デフォルト）</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>印刷中</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>not accepting jobs</source>
        <translation>ジョブを受け付けていません</translation>
    </message>
    <message>
        <source>out of paper</source>
        <translation>用紙切れ</translation>
    </message>
    <message>
        <source>paper needed</source>
        <translation>用紙が必要です</translation>
    </message>
    <message>
        <source>paper jam</source>
        <translation>紙詰まり</translation>
    </message>
    <message>
        <source>paper low</source>
        <translation>用紙残量わずか</translation>
    </message>
    <message>
        <source>out of toner</source>
        <translation>トナー切れ</translation>
    </message>
    <message>
        <source>toner low</source>
        <translation>トナー残量わずか</translation>
    </message>
    <message>
        <source>a door is open</source>
        <translation>ドアが開いています</translation>
    </message>
    <message>
        <source>a cover is open</source>
        <translation>カバーが開いています</translation>
    </message>
    <message>
        <source>offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>shut down</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>not answering</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>output tray full</source>
        <translation>排紙トレイが満杯です</translation>
    </message>
    <message>
        <source>the server's spool is full</source>
        <translation>サーバーのスプール領域が満杯です</translation>
    </message>
    <message>
        <source>partly stopped</source>
        <translation>一部停止</translation>
    </message>
    <message>
        <source>a filter is missing</source>
        <translation>フィルターがありません</translation>
    </message>
    <message>
        <source>a filter is insecure</source>
        <translation>フィルターが安全ではありません</translation>
    </message>
</context>
<context>
    <name>host::FileDestination</name>
    <message>
        <source>Choose…</source>
        <translation>選択…</translation>
    </message>
    <message>
        <source>Choose the file</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式：</translation>
    </message>
    <message>
        <source>Printer data: the document as the printer receives it, made by the printer&apos;s own filters with every option. PDF document: the pages as they will print, to view or to share.</source>
        <translation>プリンターデータ：プリンター自身のフィルターがすべてのオプションを反映して作成する、プリンターが受け取るとおりの文書。PDF 文書：印刷されるとおりのページ。表示や共有に使えます。</translation>
    </message>
    <message>
        <source>Printer data</source>
        <translation>プリンターデータ</translation>
    </message>
    <message>
        <source>Printer data (PostScript)</source>
        <translation>プリンターデータ（PostScript）</translation>
    </message>
    <message>
        <source>Printer data (PDF)</source>
        <translation>プリンターデータ（PDF）</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文書</translation>
    </message>
    <message>
        <source>No file chosen yet: Print asks for one</source>
        <translation>未選択：印刷時に選択します</translation>
    </message>
</context>
<context>
    <name>host::SecretStore</name>
    <message>
        <source>the secret store did not answer</source>
        <translation>キーリングが応答しませんでした</translation>
    </message>
</context>
</TS>
