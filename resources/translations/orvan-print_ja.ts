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
        <source>Save as Defaults</source>
        <translation>デフォルトとして保存</translation>
    </message>
    <message>
        <source>lp and every application printing to this printer start from these choices</source>
        <translation>lp とこのプリンターで印刷するすべてのアプリケーションがこの設定から始まります</translation>
    </message>
    <message>
        <source>Save as Defaults for Every User</source>
        <translation>すべてのユーザーのデフォルトとして保存</translation>
    </message>
    <message>
        <source>Reset to the Printer's Defaults</source>
        <translation>プリンターのデフォルトに戻す</translation>
    </message>
    <message>
        <source>Printer Defaults</source>
        <translation>プリンターのデフォルト</translation>
    </message>
    <message>
        <source>Save for Every User</source>
        <translation>すべてのユーザー用に保存</translation>
    </message>
    <message>
        <source>Save to File has no defaults.</source>
        <translation>「ファイルに保存」にはデフォルトがありません。</translation>
    </message>
    <message>
        <source>Choose a printer: its defaults are what every application prints with.</source>
        <translation>プリンターを選択してください。すべてのアプリケーションはそのデフォルトで印刷します。</translation>
    </message>
    <message>
        <source>These choices cannot be saved as defaults.</source>
        <translation>この設定はデフォルトとして保存できません。</translation>
    </message>
    <message>
        <source>A default would hold every job from every application at the printer, waiting for a passcode nobody has entered.</source>
        <translation>デフォルトにすると、すべてのアプリケーションのすべてのジョブが、誰も入力していないパスコードを待ってプリンターで保留されます。</translation>
    </message>
    <message>
        <source>“%1: %2” cannot be a default.</source>
        <translation>「%1: %2」はデフォルトにできません。</translation>
    </message>
    <message>
        <source>%1 The other choices are saved.</source>
        <translation>%1 その他の設定は保存されます。</translation>
    </message>
    <message>
        <source>%1 The other choices are saved, with “%2”.</source>
        <translation>%1 その他の設定は「%2」で保存されます。</translation>
    </message>
    <message>
        <source>Saving the defaults of %1…</source>
        <translation>%1 のデフォルトを保存しています…</translation>
    </message>
    <message>
        <source>You may not change the defaults of %1 for every user.</source>
        <translation>%1 のデフォルトをすべてのユーザー用に変更する権限がありません。</translation>
    </message>
    <message>
        <source>The defaults of %1 could not be saved.</source>
        <translation>%1 のデフォルトを保存できませんでした。</translation>
    </message>
    <message>
        <source>The print server %1 answered: %2. Its administrators may; you can still save these choices as your own defaults.</source>
        <translation>プリントサーバー %1 の応答：%2。変更できるのは管理者だけです。この設定は自分用のデフォルトとして保存できます。</translation>
    </message>
    <message>
        <source>Saved as the defaults of %1 for every user: lp and every application printing to it start from these choices.</source>
        <translation>%1 のすべてのユーザー用デフォルトとして保存しました。lp とこのプリンターで印刷するすべてのアプリケーションがこの設定から始まります。</translation>
    </message>
    <message>
        <source>Saved as your defaults of %1: lp and every application printing to it start from these choices.</source>
        <translation>%1 のあなたのデフォルトとして保存しました。lp とこのプリンターで印刷するすべてのアプリケーションがこの設定から始まります。</translation>
    </message>
    <message>
        <source>The printer description's defaults are shown.</source>
        <translation>プリンター記述ファイルのデフォルトを表示しています。</translation>
    </message>
    <message>
        <source>The defaults of %1 are shown: what lp and every application start from.</source>
        <translation>%1 のデフォルトを表示しています。lp とすべてのアプリケーションはここから始まります。</translation>
    </message>
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
        <source>&lt;p style='font-size:large'&gt;No options for %1&lt;/p&gt;&lt;p&gt;The Orvan printer extension offers no panels for this printer. The job is printed with the printer's defaults.&lt;/p&gt;</source>
        <translation>&lt;p style='font-size:large'&gt;%1 のオプションはありません&lt;/p&gt;&lt;p&gt;Orvan プリンター拡張機能には、このプリンター用のパネルがありません。ジョブはプリンターのデフォルト設定で印刷されます。&lt;/p&gt;</translation>
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
        <source>Keeping the settings…</source>
        <translation>設定を保存しています…</translation>
    </message>
    <message>
        <source>Reading the secret store…</source>
        <translation>キーリングを読み込んでいます…</translation>
    </message>
    <message>
        <source>The printer description of %1 looks damaged; some of its options may be missing. %2</source>
        <translation>%1 のプリンター記述ファイルが破損しているようです。一部のオプションがない可能性があります。%2</translation>
    </message>
    <message>
        <source>Other options</source>
        <translation>その他のオプション</translation>
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
</context>
<context>
    <name>PrintDialogForm</name>
    <message>
        <source>Defaults</source>
        <translation>デフォルト</translation>
    </message>
    <message>
        <source>Save these choices as the printer's defaults for every application, or go back to them</source>
        <translation>この設定をすべてのアプリケーション用のプリンターのデフォルトとして保存するか、デフォルトに戻します</translation>
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
        <source>Preview...</source>
        <translation>プレビュー...</translation>
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
        <source>CUPS's cupsfilter (%1) is not installed, and the document cannot be run through the printer's filters without it. It comes with the Debian package cups.</source>
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
    <message>
        <source>No longer on the print server</source>
        <translation>プリントサーバーにはもうありません</translation>
    </message>
</context>
<context>
    <name>host::SecretStore</name>
    <message>
        <source>the secret store did not answer</source>
        <translation>キーリングが応答しませんでした</translation>
    </message>
</context>
<context>
    <name>host::openPpd</name>
    <message>
        <source>no such file</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <source>cannot read the printer description %1: %2</source>
        <translation>プリンター記述ファイル %1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>not a printer description (it does not begin with *PPD-Adobe: "4.x")</source>
        <translation>プリンター記述ファイルではありません（*PPD-Adobe: "4.x" で始まっていません）</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1（%2 行目）</translation>
    </message>
</context>
<context>
    <name>host::PpdCheck</name>
    <message>
        <source>line %1: *OpenUI %2 has no *CloseUI</source>
        <translation>%1 行目：*OpenUI %2 に *CloseUI がありません</translation>
    </message>
    <message>
        <source>line %1: the file ends inside a quoted string</source>
        <translation>%1 行目：引用符で囲まれた文字列の途中でファイルが終わっています</translation>
    </message>
    <message>
        <source>line %1: *OpenGroup %2 has no *CloseGroup</source>
        <translation>%1 行目：*OpenGroup %2 に *CloseGroup がありません</translation>
    </message>
    <message>
        <source>line %1: the file ends without %2</source>
        <translation>%1 行目：%2 がないままファイルが終わっています</translation>
    </message>
    <message>
        <source>line %1: the file ends without declaring any option</source>
        <translation>%1 行目：オプションが一つも宣言されないままファイルが終わっています</translation>
    </message>
</context>
<context>
    <name>host::StartPage</name>
    <message>
        <source>Orvan Print</source>
        <translation>Orvan 印刷</translation>
    </message>
    <message>
        <source>Open a Document to Print</source>
        <translation>印刷する文書を開く</translation>
    </message>
    <message>
        <source>PDF and PostScript documents (*.pdf *.PDF *.ps *.PS *.eps)</source>
        <translation>PDF および PostScript 文書 (*.pdf *.PDF *.ps *.PS *.eps)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>What would you like to print?</source>
        <translation>何を印刷しますか？</translation>
    </message>
    <message>
        <source>Open a PDF or PostScript document to print it with every option of your printer. The test page shows the printer's colours and grays. To have every application print with your choices, save them as a printer's defaults.</source>
        <translation>PDF または PostScript 文書を開くと、プリンターのすべてのオプションで印刷できます。テストページはプリンターのカラーとグレーを示します。すべてのアプリケーションをこの設定で印刷させるには、プリンターのデフォルトとして保存します。</translation>
    </message>
    <message>
        <source>Printer Defaults...</source>
        <translation>プリンターのデフォルト...</translation>
    </message>
    <message>
        <source>Print Test Page...</source>
        <translation>テストページを印刷...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>開く...</translation>
    </message>
</context>
<context>
    <name>host::LayoutPage</name>
    <message>
        <source>of 1 sheet</source>
        <translation>（全 1 枚）</translation>
    </message>
    <message>
        <source>of %1 sheets</source>
        <translation>（全 %1 枚）</translation>
    </message>
    <message>
        <source>Layout and Paper</source>
        <translation>レイアウトと用紙</translation>
    </message>
    <message>
        <source>As the document is</source>
        <translation>文書のまま</translation>
    </message>
    <message>
        <source>The document's pages are still being counted to check the page range; print again in a moment.</source>
        <translation>ページ範囲を確認するため、文書のページ数を数えています。少し待ってからもう一度印刷してください。</translation>
    </message>
    <message>
        <source>Paper size:</source>
        <translation>用紙サイズ:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>1枚あたりのページ数:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>給紙方法:</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>ページの順序:</translation>
    </message>
    <message>
        <source>Two-sided:</source>
        <translation>両面:</translation>
    </message>
    <message>
        <source>Borders:</source>
        <translation>枠線:</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>印刷の向き:</translation>
    </message>
    <message>
        <source>Left to right, top to bottom</source>
        <translation>左から右、上から下</translation>
    </message>
    <message>
        <source>Left to right, bottom to top</source>
        <translation>左から右、下から上</translation>
    </message>
    <message>
        <source>Right to left, top to bottom</source>
        <translation>右から左、上から下</translation>
    </message>
    <message>
        <source>Right to left, bottom to top</source>
        <translation>右から左、下から上</translation>
    </message>
    <message>
        <source>Top to bottom, left to right</source>
        <translation>上から下、左から右</translation>
    </message>
    <message>
        <source>Top to bottom, right to left</source>
        <translation>上から下、右から左</translation>
    </message>
    <message>
        <source>Bottom to top, left to right</source>
        <translation>下から上、左から右</translation>
    </message>
    <message>
        <source>Bottom to top, right to left</source>
        <translation>下から上、右から左</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Single line</source>
        <translation>一重線</translation>
    </message>
    <message>
        <source>Single thick line</source>
        <translation>一重線（太）</translation>
    </message>
    <message>
        <source>Double line</source>
        <translation>二重線</translation>
    </message>
    <message>
        <source>Double thick line</source>
        <translation>二重線（太）</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>縦</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>横</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>横（逆向き）</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>縦（逆向き）</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>ページ:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>範囲:</translation>
    </message>
    <message>
        <source>e.g. 1-3, 7</source>
        <translation>例: 1-3, 7</translation>
    </message>
    <message>
        <source>Page range</source>
        <translation>ページ範囲</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>出力:</translation>
    </message>
    <message>
        <source>Collate copies</source>
        <translation>部単位で印刷</translation>
    </message>
    <message>
        <source>Reverse order</source>
        <translation>逆順に印刷</translation>
    </message>
    <message>
        <source>Fit to page</source>
        <translation>用紙に合わせる</translation>
    </message>
    <message>
        <source>Printer's default</source>
        <translation>プリンターの既定</translation>
    </message>
    <message>
        <source>US Letter</source>
        <translation>US レター</translation>
    </message>
    <message>
        <source>US Legal</source>
        <translation>US リーガル</translation>
    </message>
    <message>
        <source>Executive</source>
        <translation>エグゼクティブ</translation>
    </message>
    <message>
        <source>Tabloid</source>
        <translation>タブロイド</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>Envelope #10</source>
        <translation>封筒 #10</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>封筒 DL</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Upper tray</source>
        <translation>上段トレイ</translation>
    </message>
    <message>
        <source>Lower tray</source>
        <translation>下段トレイ</translation>
    </message>
    <message>
        <source>Multi-purpose tray</source>
        <translation>手差しトレイ</translation>
    </message>
    <message>
        <source>Large-capacity tray</source>
        <translation>大容量トレイ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Long-edge binding</source>
        <translation>長辺とじ</translation>
    </message>
    <message>
        <source>Short-edge binding</source>
        <translation>短辺とじ</translation>
    </message>
    <message>
        <source>of 1 page</source>
        <translation>（全 1 ページ）</translation>
    </message>
    <message>
        <source>of %1 pages</source>
        <translation>（全 %1 ページ）</translation>
    </message>
    <message>
        <source>counting pages…</source>
        <translation>ページ数を数えています…</translation>
    </message>
</context>
<context>
    <name>host::PageRanges</name>
    <message>
        <source>With several pages a sheet the range counts sheets, and the document makes one; %1 is past its end.</source>
        <translation>1 枚に複数ページを印刷するときは範囲は用紙の枚数で数えます。文書は 1 枚になるため、%1 は終わりより後ろです。</translation>
    </message>
    <message>
        <source>With several pages a sheet the range counts sheets, and the document makes %1; %2 is past its end.</source>
        <translation>1 枚に複数ページを印刷するときは範囲は用紙の枚数で数えます。文書は %1 枚になるため、%2 は終わりより後ろです。</translation>
    </message>
    <message>
        <source>There is no page 0: pages are counted from 1.</source>
        <translation>0 ページはありません。ページは 1 から数えます。</translation>
    </message>
    <message>
        <source>%1 is not a page or a range of pages. Write pages like this: 1-3, 7.</source>
        <translation>%1 はページでもページ範囲でもありません。1-3, 7 のように書いてください。</translation>
    </message>
    <message>
        <source>%1 names a page far past the end of any document.</source>
        <translation>%1 はどの文書の終わりよりもはるかに後ろのページです。</translation>
    </message>
    <message>
        <source>%1 runs backwards; write it as %2-%3.</source>
        <translation>%1 は逆順です。%2-%3 と書いてください。</translation>
    </message>
    <message>
        <source>The document has one page; %1 is past its end.</source>
        <translation>文書は 1 ページです。%1 は文書の終わりより後ろです。</translation>
    </message>
    <message>
        <source>The document has %1 pages; %2 is past its end.</source>
        <translation>文書は %1 ページです。%2 は文書の終わりより後ろです。</translation>
    </message>
    <message>
        <source>Type the pages to print, such as 1-3, 7.</source>
        <translation>印刷するページを 1-3, 7 のように入力してください。</translation>
    </message>
</context>
<context>
    <name>host::PreviewService</name>
    <message>
        <source>The preview cannot be shown: its renderer (orvan-preview.so, which needs the poppler library for Qt) is missing.</source>
        <translation>プレビューを表示できません。レンダラー（Qt 用 poppler ライブラリが必要な orvan-preview.so）がありません。</translation>
    </message>
    <message>
        <source>PostScript documents need ghostscript to be previewed, and it is not installed.</source>
        <translation>PostScript 文書のプレビューには ghostscript が必要ですが、インストールされていません。</translation>
    </message>
    <message>
        <source>The document is encrypted: it opens only with its password, which orvan-print cannot ask for.</source>
        <translation>文書は暗号化されています。パスワードがないと開けませんが、orvan-print はパスワードを尋ねられません。</translation>
    </message>
    <message>
        <source>The document is damaged and cannot be read.</source>
        <translation>文書が壊れているため読み込めません。</translation>
    </message>
    <message>
        <source>Only PDF and PostScript documents can be previewed.</source>
        <translation>プレビューできるのは PDF と PostScript の文書だけです。</translation>
    </message>
    <message>
        <source>A page of the document could not be drawn.</source>
        <translation>文書のページを描画できませんでした。</translation>
    </message>
</context>
<context>
    <name>host::PreviewWindow</name>
    <message>
        <source>Preview of “%1”</source>
        <translation>「%1」のプレビュー</translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation>用紙</translation>
    </message>
    <message>
        <source>First sheet</source>
        <translation>最初の用紙</translation>
    </message>
    <message>
        <source>Previous sheet</source>
        <translation>前の用紙</translation>
    </message>
    <message>
        <source>Next sheet</source>
        <translation>次の用紙</translation>
    </message>
    <message>
        <source>Last sheet</source>
        <translation>最後の用紙</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The document has no pages.</source>
        <translation>文書にページがありません。</translation>
    </message>
    <message>
        <source>Sheet %1 of %2</source>
        <translation>用紙 %1 / %2</translation>
    </message>
    <message>
        <source>Counting the pages…</source>
        <translation>ページ数を数えています…</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 ページ</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>1 sheet</source>
        <translation>用紙 1 枚</translation>
    </message>
    <message>
        <source>%1 sheets</source>
        <translation>用紙 %1 枚</translation>
    </message>
    <message>
        <source>%1, printed on %2</source>
        <translation>%1、%2 に印刷</translation>
    </message>
    <message>
        <source>The page range selects no page of the document.</source>
        <translation>ページ範囲に文書のページが含まれていません。</translation>
    </message>
</context>
<context>
    <name>host::FeaturesPage</name>
    <message>
        <source>Printer Features</source>
        <translation>プリンター機能</translation>
    </message>
    <message>
        <source>Feature set:</source>
        <translation>機能セット:</translation>
    </message>
    <message>
        <source>This printer has no further options.</source>
        <translation>このプリンターにはほかのオプションはありません。</translation>
    </message>
    <message>
        <source>This printer has no printer description: the options it takes are those every printer takes.</source>
        <translation>このプリンターにはプリンター記述ファイルがありません。使えるのはすべてのプリンターに共通のオプションだけです。</translation>
    </message>
    <message>
        <source>What this printer has fitted, as its administrator set it up.</source>
        <translation>このプリンターに装着されているもの（管理者の設定による）。</translation>
    </message>
    <message>
        <source>(no choices)</source>
        <translation>（選択肢なし）</translation>
    </message>
    <message>
        <source>Conflicts with other chosen options</source>
        <translation>ほかに選んだオプションと矛盾しています</translation>
    </message>
    <message>
        <source>Enter a value it takes, or choose another setting for it.</source>
        <translation>使える値を入力するか、別の設定を選んでください。</translation>
    </message>
    <message>
        <source>%1, custom value</source>
        <translation>%1、カスタム値</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>“%1” (%2)</source>
        <translation>「%1」（%2）</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>%1 to %2 pt</source>
        <translation>%1～%2 pt</translation>
    </message>
    <message>
        <source>%1 digits</source>
        <translation>%1 桁</translation>
    </message>
    <message>
        <source>%1 to %2 digits</source>
        <translation>%1～%2 桁</translation>
    </message>
    <message>
        <source>up to %1 characters</source>
        <translation>%1 文字まで</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 文字</translation>
    </message>
    <message>
        <source>%1 to %2 characters</source>
        <translation>%1～%2 文字</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3; “%4” is not.</source>
        <translation>%1 には %2～%3 の整数を入力してください。「%4」は使えません。</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3; “%4” is not.</source>
        <translation>%1 には %2～%3 の数値を入力してください。「%4」は使えません。</translation>
    </message>
    <message>
        <source>%1 must be a number of points from %2 to %3; “%4” is not.</source>
        <translation>%1 には %2～%3 ポイントの数値を入力してください。「%4」は使えません。</translation>
    </message>
    <message>
        <source>%1 must be %2 digits.</source>
        <translation>%1 は %2 桁の数字にしてください。</translation>
    </message>
    <message>
        <source>%1 must be %2 to %3 digits.</source>
        <translation>%1 は %2～%3 桁の数字にしてください。</translation>
    </message>
    <message>
        <source>%1 may have at most %2 characters; it has %3.</source>
        <translation>%1 は %2 文字までです（今は %3 文字）。</translation>
    </message>
    <message>
        <source>%1 must have from %2 to %3 characters; it has %4.</source>
        <translation>%1 は %2～%3 文字にしてください（今は %4 文字）。</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 には値を入力できません。</translation>
    </message>
    <message>
        <source>The printer description offers a custom value for “%1” but declares nothing to enter for it.</source>
        <translation>プリンター記述ファイルは「%1」にカスタム値を用意していますが、入力する項目を定義していません。</translation>
    </message>
    <message>
        <source>The printer description gives “%1” a custom value of a kind that is not known.</source>
        <translation>プリンター記述ファイルは「%1」に未知の種類のカスタム値を定義しています。</translation>
    </message>
    <message>
        <source>The printer description allows no custom value for “%1”: its range is not a number.</source>
        <translation>プリンター記述ファイルでは「%1」にカスタム値を設定できません。範囲が数値ではありません。</translation>
    </message>
    <message>
        <source>The printer description allows no custom value for “%1”: it gives a negative length (%2 to %3 characters).</source>
        <translation>プリンター記述ファイルでは「%1」にカスタム値を設定できません。負の長さ（%2～%3 文字）が定義されています。</translation>
    </message>
    <message>
        <source>The printer description allows no custom value for “%1”: it asks for at least %2 characters but allows at most %3.</source>
        <translation>プリンター記述ファイルでは「%1」にカスタム値を設定できません。%2 文字以上が必要なのに、%3 文字までしか許されていません。</translation>
    </message>
    <message>
        <source>The printer description allows no custom value for “%1”: its lowest value, %2, is above its highest, %3.</source>
        <translation>プリンター記述ファイルでは「%1」にカスタム値を設定できません。最小値 %2 が最大値 %3 を上回っています。</translation>
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
        <source>Printer data: the document as the printer receives it, made by the printer's own filters with every option. PDF document: the pages as they will print, to view or to share.</source>
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
        <source>Chosen when you print</source>
        <translation>印刷時に選択</translation>
    </message>
</context>
</TS>
